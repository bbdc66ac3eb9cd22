#include "reporting/CongregationAnalysis.h"

#include "reporting/Classification.h"
#include "reporting/PublisherSelection.h"
#include "reporting/RecordAverages.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"

namespace velno {

namespace {

constexpr std::array<int, 4> kCategoryLabels{text::TxCategoryPublishers, text::TxCategoryAuxiliary,
                                             text::TxCategoryRegular, text::TxSpecialPioneers};

std::string analysisTitle(const CVelnoDoc& doc, int group, bool summary) {
    const int m0 = doc.reportMonth().reportMonth0;
    const std::string month = text::monthName(m0);
    std::string title;
    if (summary) {
        title = text::arg(text::tr(text::TxSummaryTitle), month);
    } else if (group == 0) {
        title = text::tr(text::TxCongregationAnalysisTitle) + " " + month;
    } else {
        const GroupFile& g = doc.groups().data();
        const bool named = group <= GroupTable::kCapacity && g.showName[group - 1] == 1 &&
                           strnlen(g.name[group - 1], sizeof g.name[0]) > 1;
        title =
            named ? text::arg(text::tr(text::TxGroupReportNamed), month,
                              text::cp1252ToUtf8(fieldText(g.name[group - 1])))
                  : text::arg(text::tr(text::TxGroupReportNumbered), month, std::to_string(group));
    }
    return title + congregationSuffix(doc);
}

AnalysisRow makeRow(const CVelnoDoc& doc, const Classification& cls, int pos) {
    const PublisherRecord& r = doc.store().at(pos);
    const int slot = monthSlot(cls.month0(), cls.parity());
    AnalysisRow row;
    row.pos = pos;
    row.id = r.id;
    row.name = publisherName(doc, pos);
    row.kind = r.kindAt(slot);
    row.reported = IsReported(r, cls.month0(), cls.parity());
    row.notBaptized = !Classification::IsBaptized(r);
    row.missionary = (r.categoryBits & CategoryBit::Missionary) != 0;
    row.specialServant = (r.categoryBits & CategoryBit::SpecialServant) != 0;
    row.irregular = cls.IrregularMask(r) != 0;
    row.auxiliary = row.kind == ServiceAuxiliary;
    row.studies = r.studiesWord[slot] & StudiesWord::StudiesMask;
    if (row.kind != ServicePublisher) row.hours = r.hours[slot];
    if (row.notBaptized) row.marks.push_back(text::tr(text::TxMarkNotBaptized));
    if (row.kind == ServiceRegular) row.marks.push_back(text::tr(text::TxCategoryRegular));
    if (row.kind == ServiceSpecial) row.marks.push_back(text::tr(text::TxMarkSpecialPioneer));
    if (row.missionary) row.marks.push_back(text::tr(text::TxMarkMissionary));
    if (row.specialServant) row.marks.push_back(text::tr(text::TxMarkSpecialServant));
    if (!row.reported) row.marks.push_back(text::tr(text::TxMarkNotReported));
    if (row.irregular) row.marks.push_back(text::tr(text::TxMarkIrregular));
    return row;
}

void count(AnalysisData& data, const AnalysisRow& row) {
    CategoryCounts& c = data.categories[row.kind];
    ++data.listed;
    ++c.onFile;
    if (row.reported) {
        if (row.missionary) {
            ++data.missionariesReported;
            ++c.specialReported;
        } else if (row.specialServant) {
            ++data.specialServantsReported;
            ++c.specialReported;
        } else {
            c.studies += row.studies;
            if (row.kind != ServicePublisher) c.hours += row.hours.value_or(0);
        }
    } else {
        ++c.notReported;
        ++data.notReported;
    }
    if (row.irregular) {
        ++c.irregular;
        ++data.irregular;
    }
    if (row.auxiliary) ++data.auxiliary;
    if (row.notBaptized) ++data.notBaptized;
}

}  // namespace

AnalysisData congregationAnalysis(const CVelnoDoc& doc, int group, AnalysisOrder order,
                                  bool summary) {
    const Classification cls(doc);
    const RecordStore& store = doc.store();
    AnalysisData data;
    data.title = analysisTitle(doc, group, summary);
    if (group > 0 && group <= GroupTable::kCapacity)
        data.overseerLine =
            text::cp1252ToUtf8(trimmed(fieldText(doc.groups().data().overseer[group - 1])));

    std::vector<AnalysisRow> rows;
    for (const std::uint16_t pos : store.subList(ListActive)) {
        if (group > 0 && store.at(pos).group != group) continue;
        rows.push_back(makeRow(doc, cls, pos));
        count(data, rows.back());
    }

    if (!summary) {
        if (order == AnalysisOrder::AtoZ || group > 0) {
            AnalysisSection all;
            all.kind = group > 0 ? AnalysisSection::Group : AnalysisSection::All;
            all.group = group;
            all.rows = std::move(rows);
            data.sections.push_back(std::move(all));
        } else {
            const int groups = doc.groups().count();
            AnalysisSection pioneers{
                AnalysisSection::Pioneers, 0, text::tr(text::TxPioneersHeading), {}};
            std::vector<AnalysisSection> byGroup;
            for (int g = 1; g <= groups; ++g)
                byGroup.push_back({AnalysisSection::Group, g, groupLabel(doc, g), {}});
            AnalysisSection none{AnalysisSection::NoGroup, 0, text::tr(text::TxWithoutGroup), {}};
            for (AnalysisRow& row : rows) {
                const int g = store.at(row.pos).group;
                if (row.kind == ServiceRegular || row.kind == ServiceSpecial)
                    pioneers.rows.push_back(std::move(row));
                else if (g >= 1 && g <= groups)
                    byGroup[g - 1].rows.push_back(std::move(row));
                else
                    none.rows.push_back(std::move(row));
            }
            if (!pioneers.rows.empty()) data.sections.push_back(std::move(pioneers));
            for (AnalysisSection& s : byGroup)
                if (!s.rows.empty()) data.sections.push_back(std::move(s));
            if (!none.rows.empty()) data.sections.push_back(std::move(none));
        }
    }

    for (int c = 0; c < 4; ++c) {
        const CategoryCounts& k = data.categories[c];
        if (k.onFile == k.notReported) continue;
        CategoryTableRow row;
        row.category = c;
        row.label = text::tr(kCategoryLabels[c]);
        // Special servants and missionaries report apart from their category.
        row.reporting = k.onFile - k.notReported - k.specialReported;
        row.averageStudies = row.reporting ? static_cast<double>(k.studies) / row.reporting : 0.0;
        if (c != ServicePublisher) {
            row.averageHours = row.reporting ? static_cast<double>(k.hours) / row.reporting : 0.0;
            row.average3 = CategoryAverage(doc, c, 3, ReportItem::Hours, group, 0);
            row.average6 = CategoryAverage(doc, c, 6, ReportItem::Hours, group, 0);
        }
        data.categoryTable.push_back(row);
    }

    if (data.specialServantsReported)
        data.reportedApart.push_back(
            {text::tr(text::TxMarkSpecialServant),
             text::tr(text::TxSpecialServantsLine) + text::tr(text::TxSpecialServantsMark),
             data.specialServantsReported, std::nullopt});
    if (data.missionariesReported)
        data.reportedApart.push_back({text::tr(text::TxMarkMissionary),
                                      text::tr(text::TxMissionariesLine), data.missionariesReported,
                                      std::nullopt});

    const auto share = [&](int n) -> std::optional<double> {
        return data.listed ? static_cast<double>(n) / data.listed * 100.0 : 0.0;
    };
    data.closing = {
        {"", text::tr(text::TxTotalPublishers), data.listed, std::nullopt},
        {text::tr(text::TxCategoryAuxiliary), text::tr(text::TxAuxiliaryPioneersExtra),
         data.auxiliary, share(data.auxiliary)},
        {text::tr(text::TxMarkIrregular), text::tr(text::TxTotalIrregular), data.irregular,
         share(data.irregular)},
        {text::tr(text::TxMarkNotReported), text::tr(text::TxNotReportedThisMonth),
         data.notReported, share(data.notReported)},
        {text::tr(text::TxMarkNotBaptized), text::tr(text::TxNotBaptized), data.notBaptized,
         share(data.notBaptized)},
    };
    return data;
}

}  // namespace velno
