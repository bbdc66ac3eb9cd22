#include "exchange/XdgMailComposer.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "text/StringTable.h"
#include "text/texts/ExchangeTexts.h"

extern char** environ;

namespace velno {

std::vector<std::string> XdgMailComposer::arguments(const MailMessage& message) {
    std::vector<std::string> args;
    if (!message.subject.empty()) {
        args.push_back("--subject");
        args.push_back(message.subject);
    }
    if (!message.body.empty()) {
        args.push_back("--body");
        args.push_back(message.body);
    }
    for (const auto& file : message.attachments) {
        args.push_back("--attach");
        args.push_back(file);
    }
    // Addresses last: each is one argument, never read as an option.
    for (const auto& to : message.to)
        if (!to.empty() && to.front() != '-') args.push_back(to);
    return args;
}

std::string XdgMailComposer::compose(const MailMessage& message) {
    // No shell: every text reaches the program as one argument as it is.
    std::vector<std::string> args = arguments(message);
    args.insert(args.begin(), program_);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int error =
        ::posix_spawnp(&pid, program_.c_str(), nullptr, nullptr, argv.data(), environ);
    if (error != 0)
        return text::tr(text::TxMailNoLibrary) + " (" + program_ + ": " +
               std::system_category().message(error) + ")";
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return text::tr(text::TxMailFailed);
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return text::tr(text::TxMailFailed);
    return {};
}

}  // namespace velno
