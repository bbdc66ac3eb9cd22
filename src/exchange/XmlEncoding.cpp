#include "exchange/XmlEncoding.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>

#include "text/Cp1252.h"

namespace velno::xml {

namespace {

// One-digit name length, four-digit code point, the name: the entities of
// HTML 4, and "apos" of XML.
constexpr std::string_view kEntities =
    "40160nbsp50161iexcl40162cent50163pound60164curren30165yen60166brvbar40167sect30168uml"
    "40169copy40170ordf50171laquo30172not30173shy30174reg40175macr30176deg60177plusmn"
    "40178sup240179sup350180acute50181micro40182para60183middot50184cedil40185sup140186ordm"
    "50187raquo60188frac1460189frac1260190frac3460191iquest60192Agrave60193Aacute50194Acirc"
    "60195Atilde40196Auml50197Aring50198AElig60199Ccedil60200Egrave60201Eacute50202Ecirc"
    "40203Euml60204Igrave60205Iacute50206Icirc40207Iuml30208ETH60209Ntilde60210Ograve"
    "60211Oacute50212Ocirc60213Otilde40214Ouml50215times60216Oslash60217Ugrave60218Uacute"
    "50219Ucirc40220Uuml60221Yacute50222THORN50223szlig60224agrave60225aacute50226acirc"
    "60227atilde40228auml50229aring50230aelig60231ccedil60232egrave60233eacute50234ecirc"
    "40235euml60236igrave60237iacute50238icirc40239iuml30240eth60241ntilde60242ograve"
    "60243oacute50244ocirc60245otilde40246ouml60247divide60248oslash60249ugrave60250uacute"
    "50251ucirc40252uuml60253yacute50254thorn40255yuml40034quot30038amp20060lt20062gt"
    "40039apos50338OElig50339oelig60352Scaron60353scaron40376Yuml40710circ50732tilde48194ensp"
    "48195emsp68201thinsp48204zwnj38205zwj38206lrm38207rlm58211ndash58212mdash58216lsquo"
    "58217rsquo58218sbquo58220ldquo58221rdquo58222bdquo68224dagger68225Dagger68240permil"
    "68249lsaquo68250rsaquo48364euro40402fnof50913Alpha40914Beta50915Gamma50916Delta"
    "70917Epsilon40918Zeta30919Eta50920Theta40921Iota50922Kappa60923Lambda20924Mu20925Nu"
    "20926Xi70927Omicron20928Pi30929Rho50931Sigma30932Tau70933Upsilon30934Phi30935Chi30936Psi"
    "50937Omega50945alpha40946beta50947gamma50948delta70949epsilon40950zeta30951eta50952theta"
    "40953iota50954kappa60955lambda20956mu20957nu20958xi70959omicron20960pi30961rho"
    "60962sigmaf50963sigma30964tau70965upsilon30966phi30967chi30968psi50969omega80977thetasym"
    "50978upsih30982piv48226bull68230hellip58242prime58243Prime58254oline58260frasl"
    "68472weierp58465image48476real58482trade78501alefsym48592larr48593uarr48594rarr48595darr"
    "48596harr58629crarr48656lArr48657uArr48658rArr48659dArr48660hArr68704forall48706part"
    "58707exist58709empty58711nabla48712isin58713notin28715ni48719prod38721sum58722minus"
    "68727lowast58730radic48733prop58734infin38736ang38743and28744or38745cap38746cup38747int"
    "68756there438764sim48773cong58776asymp28800ne58801equiv28804le28805ge38834sub38835sup"
    "48836nsub48838sube48839supe58853oplus68855otimes48869perp48901sdot58968lceil58969rceil"
    "68970lfloor68971rfloor49001lang49002rang39674loz69824spades59827clubs69829hearts"
    "59830diams";

// Two-digit name length, five-digit Windows code page, the name.
constexpr std::string_view kCodePages =
    "0565001utf-80601200utf-160801200utf-16le0701200unicode0801201utf-16be1101201unicodefffe"
    "0565000utf-70820127us-ascii0520127ascii1201250windows-12501201251windows-1251"
    "1201252windows-12521201253windows-12531201254windows-12541201255windows-1255"
    "1201256windows-12561201257windows-12571201258windows-12580601250cp12500601251cp1251"
    "0601252cp12520601252x-ansi1028591iso-8859-10628591latin11028592iso-8859-2"
    "1028593iso-8859-31028594iso-8859-41028595iso-8859-51028596iso-8859-61028597iso-8859-7"
    "1028598iso-8859-81238598iso-8859-8-i1028599iso-8859-91128603iso-8859-13"
    "1128605iso-8859-150600437ibm4370500437cp4370600850ibm8500500850cp8500600852ibm852"
    "0600866ibm8660500866cp8660620866koi8-r0621866koi8-u1100874windows-8740700874tis-620"
    "0900932shift-jis0900932shift_jis0600932x-sjis0651932euc-jp1150220iso-2022-jp"
    "0600936gb23120300936gbk0754936gb180300400950big50651949euc-kr1400949ks_c_5601-1987"
    "1150225iso-2022-kr0910000macintosh1410007x-mac-cyrillic0810029x-mac-ce"
    "1510079x-mac-icelandic1510017x-mac-ukrainian1200037ebcdic-cp-us1200500ebcdic-cp-be"
    "1200500ebcdic-cp-ch0600037ibm0370600500ibm5000701047ibm1047";

int digits(std::string_view s) {
    int v = 0;
    for (char c : s) v = v * 10 + (c - '0');
    return v;
}

bool equalNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

template <typename F>
void eachCodePage(F f) {
    for (std::size_t at = 0; at + 7 <= kCodePages.size();) {
        const auto length = static_cast<std::size_t>(digits(kCodePages.substr(at, 2)));
        if (f(kCodePages.substr(at + 7, length), digits(kCodePages.substr(at + 2, 5)))) return;
        at += 7 + length;
    }
}

// Runs iconv over the whole input, replacing what it cannot take by
// `replacement` (one input unit skipped) and counting those.
struct Iconv {
    iconv_t cd;
    Iconv(const std::string& to, const std::string& from)
        : cd(iconv_open(to.c_str(), from.c_str())) {}
    ~Iconv() {
        if (ok()) iconv_close(cd);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool ok() const { return cd != reinterpret_cast<iconv_t>(-1); }

    std::string run(std::string_view in, std::size_t unit, std::string_view replacement,
                    int& lost) {
        std::string out;
        out.resize(in.size() * 4 + 16);
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        std::size_t used = 0;
        while (inLeft > 0) {
            char* outPtr = out.data() + used;
            std::size_t outLeft = out.size() - used;
            const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
            used = out.size() - outLeft;
            if (r != static_cast<std::size_t>(-1)) break;
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            // EILSEQ or EINVAL (cut short at the end): skip one unit.
            ++lost;
            const std::size_t skip = std::min(unit, inLeft);
            inPtr += skip;
            inLeft -= skip;
            if (out.size() - used < replacement.size()) out.resize(out.size() * 2);
            std::memcpy(out.data() + used, replacement.data(), replacement.size());
            used += replacement.size();
        }
        out.resize(used);
        return out;
    }
};

}  // namespace

int entityCodePoint(std::string_view name) {
    for (std::size_t at = 0; at + 5 <= kEntities.size();) {
        const auto length = static_cast<std::size_t>(kEntities[at] - '0');
        if (kEntities.substr(at + 5, length) == name) return digits(kEntities.substr(at + 1, 4));
        at += 5 + length;
    }
    return -1;
}

int entityCount() {
    int count = 0;
    for (std::size_t at = 0; at + 5 <= kEntities.size(); ++count)
        at += 5 + static_cast<std::size_t>(kEntities[at] - '0');
    return count;
}

int codePageOf(std::string_view name) {
    int found = 0;
    eachCodePage([&](std::string_view n, int cp) {
        if (equalNoCase(n, name)) found = cp;
        return found != 0;
    });
    return found;
}

std::vector<int> knownCodePages() {
    std::vector<int> pages;
    eachCodePage([&](std::string_view, int cp) {
        if (std::find(pages.begin(), pages.end(), cp) == pages.end()) pages.push_back(cp);
        return false;
    });
    return pages;
}

std::string iconvName(int codePage) {
    switch (codePage) {
        case 65001:
            return "UTF-8";
        case 65000:
            return "UTF-7";
        case 1200:
            return "UTF-16LE";
        case 1201:
            return "UTF-16BE";
        case 20127:
            return "ASCII";
        case 20866:
            return "KOI8-R";
        case 21866:
            return "KOI8-U";
        case 932:
            return "SHIFT_JIS";
        case 51932:
            return "EUC-JP";
        case 50220:
            return "ISO-2022-JP";
        case 54936:
            return "GB18030";
        case 51949:
            return "EUC-KR";
        case 50225:
            return "ISO-2022-KR";
        case 10000:
            return "MACINTOSH";
        case 10007:
            return "MAC-CYRILLIC";
        case 10029:
            return "MAC-CENTRALEUROPE";
        case 10079:
            return "MAC-IS";
        case 10017:
            return "MACUKRAINIAN";
        case 37:
            return "IBM037";
        case 500:
            return "IBM500";
        case 1047:
            return "IBM1047";
        case 38598:
            return "ISO-8859-8";
        default:
            break;
    }
    if (codePage >= 28591 && codePage <= 28605)
        return "ISO-8859-" + std::to_string(codePage - 28590);
    return "CP" + std::to_string(codePage);
}

namespace {

// UTF-8, the usual case, without iconv: ASCII runs are copied as they are.
Conversion utf8ToInternal(std::string_view bytes) {
    Conversion c;
    c.ok = true;
    c.text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            c.text.push_back(static_cast<char>(b));
            ++i;
            continue;
        }
        const std::size_t n = (b & 0xE0) == 0xC0 && b >= 0xC2   ? 1
                              : (b & 0xF0) == 0xE0              ? 2
                              : (b & 0xF8) == 0xF0 && b <= 0xF4 ? 3
                                                                : 0;
        char32_t cp = n == 1 ? (b & 0x1F) : n == 2 ? (b & 0x0F) : (b & 0x07);
        bool valid = n > 0 && bytes.size() - i > n;
        for (std::size_t k = 1; valid && k <= n; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            valid = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3F);
        }
        const auto byte = valid ? text::codePointToCp1252(cp) : std::nullopt;
        if (byte) {
            c.text.push_back(static_cast<char>(*byte));
        } else {
            c.text.push_back('?');
            ++c.lost;
        }
        i += valid ? n + 1 : 1;
    }
    return c;
}

}  // namespace

Conversion toInternal(std::string_view bytes, int codePage) {
    Conversion c;
    if (codePage == kInternalCodePage) {
        c.text = std::string(bytes);
        c.ok = true;
        return c;
    }
    if (codePage == kUtf8CodePage) return utf8ToInternal(bytes);
    const bool wide = codePage == kUtf16LeCodePage || codePage == kUtf16BeCodePage;
    Iconv cd("UTF-32LE", iconvName(codePage));
    if (!cd.ok()) return c;
    // A malformed sequence becomes U+FFFD, which Windows-1252 then lacks.
    static constexpr char kBad[4] = {'\xFD', '\xFF', '\0', '\0'};
    int malformed = 0;
    const std::string wideText = cd.run(bytes, wide ? 2 : 1, std::string_view(kBad, 4), malformed);
    c.text.reserve(wideText.size() / 4);
    for (std::size_t at = 0; at + 4 <= wideText.size(); at += 4) {
        const auto* p = reinterpret_cast<const unsigned char*>(wideText.data() + at);
        const char32_t cp = static_cast<char32_t>(p[0] | (p[1] << 8) | (p[2] << 16) |
                                                  (static_cast<std::uint32_t>(p[3]) << 24));
        if (const auto b = text::codePointToCp1252(cp)) {
            c.text.push_back(static_cast<char>(*b));
        } else {
            c.text.push_back('?');
            ++c.lost;
        }
    }
    c.ok = true;
    return c;
}

Conversion fromInternal(std::string_view text, int codePage) {
    Conversion c;
    if (codePage == kInternalCodePage || codePage == kUtf8CodePage) {
        // Every Windows-1252 byte has a UTF-8 form: nothing is lost.
        c.text = codePage == kUtf8CodePage ? text::cp1252ToUtf8(text) : std::string(text);
        c.ok = true;
        return c;
    }
    Iconv cd(iconvName(codePage), "UTF-32LE");
    if (!cd.ok()) return c;
    std::string wide;
    wide.reserve(text.size() * 4);
    for (unsigned char b : text) {
        const char32_t cp = text::cp1252ToCodePoint(b);
        for (int k = 0; k < 4; ++k) wide.push_back(static_cast<char>((cp >> (8 * k)) & 0xFF));
    }
    // What the target lacks becomes "?"; the question mark is the same
    // byte in every code page a file of ours is written in.
    c.text = cd.run(wide, 4, "?", c.lost);
    c.ok = true;
    return c;
}

bool looksLikeUtf8(std::string_view bytes) {
    bool multi = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        const std::size_t n = (b & 0xE0) == 0xC0 && b >= 0xC2   ? 1
                              : (b & 0xF0) == 0xE0              ? 2
                              : (b & 0xF8) == 0xF0 && b <= 0xF4 ? 3
                                                                : 0;
        if (n == 0 || bytes.size() - i <= n) return false;
        for (std::size_t k = 1; k <= n; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        multi = true;
        i += n + 1;
    }
    return multi;
}

}  // namespace velno::xml
