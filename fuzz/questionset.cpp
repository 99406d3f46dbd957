// Question files: a file either gives five distinct questions, each with 1 .. 20
// options and a key among them, or is refused with a message naming the file.
#include "fuzzsupport.h"

#include "platform/contenterror.h"
#include "platform/random.h"
#include "platform/textfile.h"
#include "scsi/questionset.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = QStringLiteral("scsi\\quest\\scsi.txt");
    QuestionSet set;
    try {
        set.loadLines(TextFile::splitLines(Fuzz::bytes(data, size)), path);
    } catch (const ContentError &error) {
        Fuzz::requireNames(error, path);
        return 0;
    }
    Fuzz::require(set.questions().size() == QuestionSet::kQuestionCount, "five questions");
    int previous = 0;
    for (const QuestionSet::Question &question : set.questions()) {
        Fuzz::require(question.number > previous, "distinct questions in file order");
        previous = question.number;
        Fuzz::require(!question.options.isEmpty() && question.options.size() <= QuestionSet::kMaxOptions,
                      "1 .. 20 options");
        Fuzz::require(question.key >= 0 && question.key < question.options.size(), "the key is an option");
    }
    return 0;
}
