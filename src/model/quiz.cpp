#include "quiz.h"

#include <charconv>
#include <system_error>

namespace vorn {

int TestQuestion::Maximum() const {
    int sum = 0;
    for (int weight : weights)
        if (weight > 0) sum += weight;
    return sum;
}

const QuizTable& MasterQuestions() {
    static const QuizTable table{{
        {"Какие из ниже перечисленных операций являются бинарными?",
         {"Логическое сложение", "Конъюнкция", "Отрицание", "Импликация"},
         {1, 1, -2, 1}},
        {"Укажите тождественные конъюнкции высказывания",
         {"Если A, то B", "И A, и B", "A либо B", "A несмотря на B"},
         {-1, 1, -1, 1}},
        {"Какие значения ((не(A+B))+(не(A*B))), при A,B:0,1 и 1,1",
         {"0 и 0", "0 и 1", "1 и 0", "1 и 1"},
         {-1, -2, 3, -1}},
        {"Какие значения ((не A)*B)*(A+(не B)), при A,B:0,1 и 1,1",
         {"0 и 0", "0 и 1", "1 и 0", "1 и 1"},
         {3, -1, -2, -1}},
        {"Укажите формулы, тождественные ((A+(не B))((не A)(A+B)))~B",
         {"(AB)~(не A)", "не B", "(A*(не(A+B)))*(не A)", "(не B)((не B)+A)"},
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
    const auto line = [&](std::string_view head, int q, std::string_view tail) {
        const auto i = static_cast<std::size_t>(q);
        return std::string(head) + n(score.scores[i]) + " из " + n(score.maxima[i]) + std::string(tail) + "\r";
    };
    std::string text = "Вы набрали " + n(score.total) + " из " + n(score.totalMaximum) + " возможных:\r";
    text += line("В вопросе 1: ", 0, " возможных,");
    text += line("В Вопросе 2: ", 1, ", возможных");
    text += line("В вопросе 3: ", 2, ", возможных");
    text += line("В вопросе 4: ", 3, ", возможных");
    text += line("В вопросе 5: ", 4, " возможных.");
    text += "\r";
    text += "Оценка ваших знаний: " + FormatMark(QuizMark(score.total), decimalSeparator) + ".";
    return text;
}

}  // namespace vorn
