// The sources of the example programs that the examples archive carries. Each function returns a
// complete QBasic program with "\n" line ends; the generated DATA sections take the given counts.
#pragma once

#include <string>

namespace payload {

std::string GuessSource();
std::string WordsSource();
std::string BannerSource();
std::string LifeSource(int designs);
std::string MazeSource(int mazes);
std::string StarsSource(int stars);
std::string LedgerSource(int years);

} // namespace payload
