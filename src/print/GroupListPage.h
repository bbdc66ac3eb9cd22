#pragma once
// The field service group lists ("Daftar Kelompok Dinas Lapangan"): each
// group under its heading, the members in four columns filled row by row;
// a group that does not fit on the rest of a page starts the next one.

#include "print/ReportContext.h"
#include "publishers/GroupListData.h"

namespace velno::print {

int drawGroupList(ReportContext& ctx, GroupListVariant variant);

template <GroupListVariant V>
int drawGroupLists(ReportContext& ctx) {
    return drawGroupList(ctx, V);
}

}  // namespace velno::print
