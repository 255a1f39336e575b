#include "quiz.h"

#include <charconv>
#include <system_error>

#include "translate.h"

namespace vorn {

int TestQuestion::Maximum() const {
    int sum = 0;
    for (int weight : weights)
        if (weight > 0) sum += weight;
    return sum;
}

namespace {

constexpr const char* kContext = "Quiz";

}  // namespace

// Made at the first use, in the language the program speaks by then.
const QuizTable& MasterQuestions() {
    static const QuizTable table{{
        {Tr("Quiz", "Какие из ниже перечисленных операций являются бинарными?"),
         {Tr("Quiz", "Логическое сложение"), Tr("Quiz", "Конъюнкция"), Tr("Quiz", "Отрицание"), Tr("Quiz", "Импликация")},
         {1, 1, -2, 1}},
        {Tr("Quiz", "Укажите тождественные конъюнкции высказывания"),
         {Tr("Quiz", "Если A, то B"), Tr("Quiz", "И A, и B"), Tr("Quiz", "A либо B"), Tr("Quiz", "A несмотря на B")},
         {-1, 1, -1, 1}},
        {Tr("Quiz", "Какие значения ((не(A+B))+(не(A*B))), при A,B:0,1 и 1,1"),
         {Tr("Quiz", "0 и 0"), Tr("Quiz", "0 и 1"), Tr("Quiz", "1 и 0"), Tr("Quiz", "1 и 1")},
         {-1, -2, 3, -1}},
        {Tr("Quiz", "Какие значения ((не A)*B)*(A+(не B)), при A,B:0,1 и 1,1"),
         {Tr("Quiz", "0 и 0"), Tr("Quiz", "0 и 1"), Tr("Quiz", "1 и 0"), Tr("Quiz", "1 и 1")},
         {3, -1, -2, -1}},
        {Tr("Quiz", "Укажите формулы, тождественные ((A+(не B))((не A)(A+B)))~B"),
         {Tr("Quiz", "(AB)~(не A)"), Tr("Quiz", "не B"), Tr("Quiz", "(A*(не(A+B)))*(не A)"), Tr("Quiz", "(не B)((не B)+A)")},
         {-1, 7, -2, 7}},
    }};
    return table;
}

int FirstUnansweredQuestion(const QuizTicks& ticks) {
    for (int q = 0; q < kQuizQuestionCount; ++q) {
        bool any = false;
        for (bool ticked : ticks[static_cast<std::size_t>(q)]) any = any || ticked;
        if (!any) return q;
    }
    return -1;
}

QuizScore ScoreQuiz(const QuizTable& questions, const QuizTicks& ticks) {
    QuizScore result;
    for (std::size_t q = 0; q < questions.size(); ++q) {
        int score = 0;
        for (std::size_t a = 0; a < kQuizAnswerCount; ++a)
            if (ticks[q][a]) score += questions[q].weights[a];
        result.scores[q] = score;
        result.maxima[q] = questions[q].Maximum();
        result.total += score;
        result.totalMaximum += result.maxima[q];
    }
    return result;
}

double QuizMark(int total) {
    // (total + 15) / 10 + 1 as one division of exact integers: the result is
    // the double nearest to the decimal mark for any total, so it always
    // prints with its one decimal and no rounding residue.
    return static_cast<double>(total + 25) / 10.0;
}

std::string FormatMark(double mark, std::string_view decimalSeparator) {
    char buffer[64];
    // Without a format, to_chars gives the shortest text that reads back as
    // the same double, in fixed notation unless the exponent form is shorter.
    const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, mark);
    std::string text(buffer, written.ec == std::errc{} ? written.ptr : buffer);
    const std::size_t point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, decimalSeparator);
    return text;
}

std::string QuizResultText(const QuizScore& score, std::string_view decimalSeparator) {
    const auto n = [](int value) { return std::to_string(value); };
    const auto line = [&](const char* pattern, int q) {
        const auto i = static_cast<std::size_t>(q);
        return Fill(Tr(kContext, pattern), {n(score.scores[i]), n(score.maxima[i])}) + "\r";
    };
    std::string text = Fill(Tr("Quiz", "Вы набрали %1 из %2 возможных:"), {n(score.total), n(score.totalMaximum)});
    text += "\r";
    text += line(VORN_TR_NOOP("Quiz", "В вопросе 1: %1 из %2 возможных,"), 0);
    text += line(VORN_TR_NOOP("Quiz", "В Вопросе 2: %1 из %2, возможных"), 1);
    text += line(VORN_TR_NOOP("Quiz", "В вопросе 3: %1 из %2, возможных"), 2);
    text += line(VORN_TR_NOOP("Quiz", "В вопросе 4: %1 из %2, возможных"), 3);
    text += line(VORN_TR_NOOP("Quiz", "В вопросе 5: %1 из %2 возможных."), 4);
    text += "\r";
    text += Fill(Tr("Quiz", "Оценка ваших знаний: %1."), {FormatMark(QuizMark(score.total), decimalSeparator)});
    return text;
}

}  // namespace vorn
