#pragma once

// The lecture's pair files in the folder "lession", written by the content
// tool and read by the lecture window: pairs of lines in Windows-1251 with
// CR LF, a decimal time in milliseconds, then a slide file or a glossary line.
namespace LecturePairFormat {

constexpr int kMaxPairs = 30;
constexpr char kSlideFile[] = "pic.txt";
constexpr char kGlossaryFile[] = "glos.txt";

} // namespace LecturePairFormat
