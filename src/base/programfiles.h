#pragma once
// The names of the files of the program folder that several parts of the
// program read or write.

namespace lumo {

inline constexpr auto kCourseListFile = "filelist.dat";       // the courses, one file name a line
inline constexpr auto kTrainingFile = "Training.dat";         // the history, appended to at every exit
inline constexpr auto kLastTrainingFile = "LastTraining.dat"; // the last run's history, replaced at every exit

} // namespace lumo
