// The self-test of the tutorial: five questions with four weighted answers
// each, the score of the answers a learner ticked, and the school mark.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vorn {

inline constexpr int kQuizQuestionCount = 5;
inline constexpr int kQuizAnswerCount = 4;

// One question: its text, four answers and their weights. A ticked answer
// adds its weight to the question's score, so wrong answers cost points.
struct TestQuestion {
    std::string text;  // UTF-8, as shown
    std::array<std::string, kQuizAnswerCount> answers;
    std::array<int, kQuizAnswerCount> weights{};

    // The best score the question allows: the sum of its positive weights.
    int Maximum() const;
};

using QuizTable = std::array<TestQuestion, kQuizQuestionCount>;
// Which answers are ticked: [question][answer].
using QuizTicks = std::array<std::array<bool, kQuizAnswerCount>, kQuizQuestionCount>;

// The five questions of the test, in the order shown.
const QuizTable& MasterQuestions();

// The first question (0-based) with no answer ticked, or -1 when every
// question has at least one.
int FirstUnansweredQuestion(const QuizTicks& ticks);

struct QuizScore {
    std::array<int, kQuizQuestionCount> scores{};   // sum of the ticked weights; may be negative
    std::array<int, kQuizQuestionCount> maxima{};
    int total = 0;
    int totalMaximum = 0;
};

QuizScore ScoreQuiz(const QuizTable& questions, const QuizTicks& ticks);

// The school mark of a total: (total + 15) / 10 + 1, 1 to 5 for the totals
// the master questions allow.
double QuizMark(int total);

// The mark as text: the shortest decimal that reads back as the same value,
// no exponent for ordinary values, with decimalSeparator in place of the point
// ("5", "2,5").
std::string FormatMark(double mark, std::string_view decimalSeparator);

// The message shown after checking: the total, one line per question and
// the mark, lines separated by a single carriage return.
std::string QuizResultText(const QuizScore& score, std::string_view decimalSeparator);

}  // namespace vorn
