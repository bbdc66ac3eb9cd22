#include "store/Prompter.h"

#include "store/PasswordChangeModel.h"
#include "store/PasswordPrompt.h"

namespace velno {

void Prompter::askPassword(PasswordPrompt& dialog) {
    dialog.close();
}

void Prompter::askNewPassword(PasswordChangeModel& dialog) {
    dialog.cancel();
}

}  // namespace velno
