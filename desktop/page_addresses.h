#pragma once

#include <QStringView>

// The web pages the program opens besides the author's, whose addresses are
// the program's own (sorvane_identity.h).
namespace desktop::pages {

// main1's Command5: the training agency's page on its Enriched Air specialty course.
inline constexpr QStringView kEnrichedAirCourse = u"https://www.padi.com/courses/enriched-air-diver";
// main1's Command7: a Japanese page that explains enriched air (Wikipedia, "ナイトロックス").
inline constexpr QStringView kEnrichedAirExplained =
    u"https://ja.wikipedia.org/wiki/%E3%83%8A%E3%82%A4%E3%83%88%E3%83%AD%E3%83%83%E3%82%AF%E3%82%B9";
// frmabt's Command2: a Japanese page on scuba diving (Wikipedia, "スクーバダイビング").
inline constexpr QStringView kScubaInformation =
    u"https://ja.wikipedia.org/wiki/"
    u"%E3%82%B9%E3%82%AF%E3%83%BC%E3%83%90%E3%83%80%E3%82%A4%E3%83%93%E3%83%B3%E3%82%B0";

} // namespace desktop::pages
