#pragma once
// --id: the record a command works on. It is read before the folder is
// opened (a wrong value is a usage error) and looked up after (an id no
// record has is a failure).

#include "cli/Arguments.h"
#include "cli/Command.h"
#include "store/PublisherRecord.h"

namespace velno {
class CVelnoDoc;
}

namespace velno::cli {

class IdOption {
public:
    // Ok, or the usage exit code after writing why.
    int parse(const Context& context, const Arguments& arguments);
    PublisherId id() const { return id_; }
    // Ok with the record's store position, or the failure exit code after
    // writing that no record has the id.
    int find(const Context& context, const CVelnoDoc& doc, int& pos) const;

private:
    PublisherId id_ = 0;
};

}  // namespace velno::cli
