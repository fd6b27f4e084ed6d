#pragma once

#include <QStringView>

// Every web address the program knows, in one place.
namespace forms::pages {

// main1's Command5: the training agency's page on its Enriched Air specialty course.
inline constexpr QStringView kEnrichedAirCourse = u"https://www.padi.com/courses/enriched-air-diver";
// main1's Command7: a Japanese page that explains enriched air.
inline constexpr QStringView kEnrichedAirExplained = u"https://example.jp/nitrox";
// frmabt's Command2: the author's scuba-diving information page.
inline constexpr QStringView kScubaInformation = u"https://example.jp/scuba";
// frmabt's sakusya: the top page of the author's site.
inline constexpr QStringView kAuthorHome = u"https://example.jp/";

// Shown as text in the About box (not opened from there).
inline constexpr QStringView kAuthorHomeShown = u"https://example.jp/sorvane/";
inline constexpr QStringView kAuthorMail = u"sorvane@example.jp";

} // namespace forms::pages
