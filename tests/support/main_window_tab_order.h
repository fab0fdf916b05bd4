#pragma once
// The main window's tab order, as both the layout table and the Qt window must give it.
#include <string>
#include <vector>

namespace quarvel::testing {

inline const std::vector<std::string> kMainWindowTabOrder = {
    "Text3",        "Text1",        "Command1(1)",  "Command1(2)",  "Command1(3)",  "Command1(4)",
    "Command1(5)",  "Command1(6)",  "Command1(7)",  "Command1(8)",  "Command1(9)",  "Command1(10)",
    "Command1(11)", "Command1(12)", "Command1(0)",  "Command1(13)", "Command1(14)", "Command1(15)",
    "Command2",     "Command3",     "Command4",     "Command5",     "Command6",     "Command7",
    "Command8"};

}  // namespace quarvel::testing
