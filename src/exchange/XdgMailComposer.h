#pragma once
// Composing mail in the user's mail program through "xdg-email": the
// program opens a new message with the recipients, subject, text and
// attachments filled in; nothing is sent until the user sends it.

#include <string>
#include <vector>

#include "store/DesktopServices.h"

namespace velno {

class XdgMailComposer : public MailComposer {
public:
    // `program` is looked up on PATH; tests put a script of their own there.
    explicit XdgMailComposer(std::string program = "xdg-email") : program_(std::move(program)) {}
    std::string compose(const MailMessage& message) override;
    // The arguments given to the program, without its name.
    static std::vector<std::string> arguments(const MailMessage& message);

private:
    std::string program_;
};

}  // namespace velno
