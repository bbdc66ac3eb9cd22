#pragma once
// A congregation of a few active publishers in memory only, made once per
// process, for the harnesses whose files name publishers.

#include <utility>
#include <vector>

#include "store/CVelnoDoc.h"
#include "store/FixedText.h"

namespace velno::fuzz {

// Publishers with ids 20, 21, ... and these first and last names; report
// month April 2025.
inline CVelnoDoc* smallCongregation(const std::vector<std::pair<const char*, const char*>>& names) {
    auto* d = new CVelnoDoc;
    d->setToday({2025, 5, 5});
    d->folder().setMemoryOnly(true);
    initHeaderRecord(d->store().header());
    d->store().setRecordCount(1);
    for (std::size_t i = 0; i < names.size(); ++i) {
        PublisherRecord r{};
        r.id = static_cast<PublisherId>(20 + i);
        setFieldText(r.fname, names[i].first);
        setFieldText(r.lname, names[i].second);
        r.listKind = ListActive;
        d->store().append(r);
    }
    d->rebuildIndex();
    return d;
}

}  // namespace velno::fuzz
