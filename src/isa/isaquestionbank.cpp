#include "isa/isaquestionbank.h"

#include <iterator>

namespace IsaQuestionBank {

namespace {

struct Variant {
    const char *text;
    // Options on buttons 1..6; nullptr on a button the question does not use.
    const char *options[ButtonCount];
    int right;
};

struct Question {
    const Variant *variants;
    int variantCount;
    unsigned buttons; // bit b-1 for button b
};

#define ISA_CYCLE_OPTIONS                                                                                                     \
    {                                                                                                                         \
        "С 0 числом тактов ожидания,16-разр ресурс", "Нормальный цикл,8-разрядный ресурс",                                    \
            "Нормальный цикл,16-разрядный ресурс", "Удлиненный цикл, 8-разрядный ресурс",                                     \
            "Удлиненный цикл, 16-разрядный ресурс", "С 0 числом тактов ожидания,8-разр ресурс" \
    }

// clang-format off
constexpr Variant kQuestion1[] = {
    {"Каковы шины адреса и данных в интерфейсе ISA?", {nullptr, nullptr, "раздельные", "совмещенные", nullptr, nullptr}, 3},
    {"Имеет ли интерфейс ISA линии подтверждения прерывания?", {nullptr, nullptr, "имеет", "не имеет", nullptr, nullptr}, 4},
    {"Имеет ли интерфейс ISA линии подтверждения запроса ПДП?", {nullptr, nullptr, "имеет", "не имеет", nullptr, nullptr}, 3},
};
constexpr Variant kQuestion2[] = {
    {"Сколько разрядов имеет шина данных?", {"16 разрядов", nullptr, "32 разряда", nullptr, "24 разряда", nullptr}, 1},
    {"Сколько разрядов имеет шина адреса?", {"32 разряда", nullptr, "16 разрядов", nullptr, "24 разряда", nullptr}, 5},
    {"Сколько уровней прерывания имеет интерфейс с ISA?", {"7 уровней", nullptr, "8 уровней", nullptr, "12 уровней", nullptr}, 5},
};
constexpr Variant kQuestion3[] = {
    {"Сколько существует уровней запроса ПДП интерфейса  ISA?", {"7 уровней", "12 уровней", "15 уровней", "16 уровней", "10 уровней", nullptr}, 1},
    {"Какое макс. адресное пространство при адресации к памяти поддерживает шина ISA?", {"16 Мбайт", "64 Мбайт", "20 Мбайт", "32 Мбайт", "1 Мбайт", nullptr}, 1},
    {"Какое макс. адресное пространство при адресации к УВВ поддерживает шина ISA?", {"1 Кбайт", "256 Кбайт", "32 Кбайт", "64 Кбайт", "128 Кбайт", nullptr}, 4},
};
constexpr Variant kQuestion4[] = {
    {"Сколько разрядов могут иметь данные, передаваемые по шине ISA?", {"Только 8", "Только 16", "Только 32", "8 и 16", "8,16 и 32", "16 и 32"}, 4},
    {"Какая пропускная способность у шины ISA?", {"4 Мбайт/с", "8 Мбайт/с", "10 Мбайт/с", "16 Мбайт/с", "30 Мбайт/с", "32 Мбайт/с"}, 3},
    {"Какой тип цикла определяет следующий набор сигналов: 0WS=0?", ISA_CYCLE_OPTIONS, 1},
};
constexpr Variant kQuestion5[] = {
    {"Какой тип цикла определяет следующий набор сигналов:I/O CHRDY=0,CS16=0?", ISA_CYCLE_OPTIONS, 5},
    {"Какой тип цикла определяет следующий набор сигналов:I/O CHRDY=0,CS16=1?", ISA_CYCLE_OPTIONS, 4},
    {"Какой тип цикла определяет следующий набор сигналов:I/O CHRDY=1,CS16=0?", ISA_CYCLE_OPTIONS, 3},
    {"Какой тип цикла определяет следующий набор сигналов:I/O CHRDY=1,CS16=1?", ISA_CYCLE_OPTIONS, 2},
};

constexpr Question kQuestions[QuestionCount] = {
    {kQuestion1, int(std::size(kQuestion1)), 0b001100},
    {kQuestion2, int(std::size(kQuestion2)), 0b010101},
    {kQuestion3, int(std::size(kQuestion3)), 0b011111},
    {kQuestion4, int(std::size(kQuestion4)), 0b111111},
    {kQuestion5, int(std::size(kQuestion5)), 0b111111},
};
// clang-format on

#undef ISA_CYCLE_OPTIONS

const Variant *variant(int question, int index)
{
    if (question < 1 || question > QuestionCount)
        return nullptr;
    const Question &q = kQuestions[question - 1];
    return index >= 0 && index < q.variantCount ? &q.variants[index] : nullptr;
}

} // namespace

QList<int> buttons(int question)
{
    QList<int> result;
    if (question < 1 || question > QuestionCount)
        return result;
    for (int button = 1; button <= ButtonCount; ++button) {
        if (kQuestions[question - 1].buttons & (1u << (button - 1)))
            result.append(button);
    }
    return result;
}

int variantCount(int question)
{
    return question >= 1 && question <= QuestionCount ? kQuestions[question - 1].variantCount : 0;
}

QString text(int question, int index)
{
    const Variant *v = variant(question, index);
    return v ? QString::fromUtf8(v->text) : QString();
}

QString option(int question, int index, int button)
{
    const Variant *v = variant(question, index);
    if (!v || button < 1 || button > ButtonCount || !v->options[button - 1])
        return QString();
    return QString::fromUtf8(v->options[button - 1]);
}

int rightButton(int question, int index)
{
    const Variant *v = variant(question, index);
    return v ? v->right : 0;
}

} // namespace IsaQuestionBank
