#pragma once

#include <QStringView>

// Every web address the program knows, in one place. The author's addresses
// are under the reserved example.jp domain until the project has a domain of
// its own.
namespace forms::pages {

// main1's Command5: the training agency's page on its Enriched Air specialty course.
inline constexpr QStringView kEnrichedAirCourse = u"https://www.padi.com/courses/enriched-air-diver";
// main1's Command7: a Japanese page that explains enriched air (Wikipedia, "ナイトロックス").
inline constexpr QStringView kEnrichedAirExplained =
    u"https://ja.wikipedia.org/wiki/%E3%83%8A%E3%82%A4%E3%83%88%E3%83%AD%E3%83%83%E3%82%AF%E3%82%B9";
// frmabt's Command2: a Japanese page on scuba diving (Wikipedia, "スクーバダイビング").
inline constexpr QStringView kScubaInformation =
    u"https://ja.wikipedia.org/wiki/"
    u"%E3%82%B9%E3%82%AF%E3%83%BC%E3%83%90%E3%83%80%E3%82%A4%E3%83%93%E3%83%B3%E3%82%B0";
// frmabt's sakusya: the top page of the author's site.
inline constexpr QStringView kAuthorHome = u"https://example.jp/";

// Shown as text in the About box, not opened from there: a page of the same
// site, different from the one "作者HP" opens.
inline constexpr QStringView kAuthorHomeShown = u"https://example.jp/sorvane/";
inline constexpr QStringView kAuthorMail = u"sorvane@example.jp";

} // namespace forms::pages
