#pragma once
// What the program asks of the desktop beyond questions and messages:
// composing mail, dialing, opening a file with its program and the
// clipboard. Core code only sees these interfaces; the desktop program and
// velno-cli supply the real ones, tests script them.

#include <string>
#include <vector>

namespace velno {

struct MailMessage {
    std::vector<std::string> to;           // addresses, UTF-8
    std::string subject;                   // UTF-8
    std::string body;                      // UTF-8
    std::vector<std::string> attachments;  // absolute paths
    // The sender's name the message goes out under, UTF-8; empty for the
    // mail program's own choice. The account is the mail program's.
    std::string from;
};

// Mail is composed in the user's mail program, never sent silently.
class MailComposer {
public:
    virtual ~MailComposer() = default;
    // Empty on success (the mail program took the message), else the
    // reason in UTF-8 for the user.
    virtual std::string compose(const MailMessage& message) = 0;
};

class Dialer {
public:
    virtual ~Dialer() = default;
    // Empty on success, else the reason in UTF-8.
    virtual std::string dial(const std::string& number) = 0;
};

class FileOpener {
public:
    virtual ~FileOpener() = default;
    // Opens the file with the program the desktop associates with it.
    // Empty on success, else the reason in UTF-8.
    virtual std::string open(const std::string& path) = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const std::string& utf8) = 0;
};

}  // namespace velno
