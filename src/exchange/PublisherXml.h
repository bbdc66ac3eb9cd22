#pragma once
// The publisher document exchanged with other installations: the root
// "PUBLIST" with the agent, the date, the count and one list element of
// "Pub" children, each with the publisher's fields and 24 month elements.
// Export builds it from the store, the report import reads the ReportMonth
// from it into the import selection, the publisher import adds or updates
// records from it.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "exchange/GroupExchangeFile.h"
#include "exchange/XmlDocument.h"
#include "store/DataFolder.h"
#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;

enum class XmlList { Active, Inactive, NonPublishers };

// "Active", "Inactive", "Non-Publishers".
const char* xmlListElement(XmlList list);
// "Active.xml", ...
std::string xmlListFileName(XmlList list);
// The store's list of the same kind (non-publishers are the Bible students).
ListKind xmlListKind(XmlList list);

// The document of the publishers at these store positions, in that order.
xml::XmlDocument buildPublisherXml(CVelnoDoc& doc, XmlList list, const std::vector<int>& positions);
// Builds it and writes it into the Exports folder; `path` is the file's
// full path.
FileResult exportPublisherXml(CVelnoDoc& doc, XmlList list, const std::vector<int>& positions,
                              std::filesystem::path& path);

// What the document check found: the list kind and every "Pub" of the list
// element with its id and names (Windows-1252).
struct XmlPublisherList {
    XmlList list = XmlList::Active;
    int count = 0;
    struct Entry {
        int id = 0;
        std::string fname, lname;
    };
    std::vector<Entry> pubs;
};

// The document check before either import: the root, a "Count" of 1 to
// 299, a list element, and every "Pub" with a non-negative id and both
// names. Nothing when the document is unusable (string 1409). Leaves the
// cursor inside the list element.
std::optional<XmlPublisherList> checkPublisherXml(xml::XmlDocument& x);

// Loads a file for either import; false with the message (UTF-8) when it
// cannot be read or fails the check.
bool loadPublisherXml(const std::filesystem::path& path, xml::XmlDocument& x,
                      XmlPublisherList& list, std::string& message);

// The report import: the ReportMonth of every matching publisher into an
// import image for the selection in XML mode.
bool readXmlReports(const CVelnoDoc& doc, xml::XmlDocument& x, ImportImage& image,
                    std::string& message);
bool loadXmlReports(const CVelnoDoc& doc, const std::filesystem::path& path, ImportImage& image,
                    std::string& message);

// The publisher import of the chosen entries (indexes into the list's
// pubs). `linked` holds per entry the store position of the stored
// publisher of the same display name, 0 when none; with `replace` a
// linked entry updates that record, otherwise every entry is added.
struct XmlImportOutcome {
    int updated = 0;
    int added = 0;
    std::vector<std::string> messages;  // UTF-8: what was refused, one line each
};
XmlImportOutcome importPublishers(CVelnoDoc& doc, xml::XmlDocument& x, const XmlPublisherList& list,
                                  const std::vector<int>& chosen, const std::vector<int>& linked,
                                  bool replace);

// The store position of the publisher of the list's kind whose display
// name equals the entry's, 0 when none.
std::vector<int> linkedPublishers(const CVelnoDoc& doc, const XmlPublisherList& list);

}  // namespace velno
