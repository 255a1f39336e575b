// The tutorial's test: every question's weights agree with what its formula
// or its words say, scoring and the mark, and the exact result message.
#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "quiz.h"

namespace vorn {
namespace {

// A formula of the test as a truth function of A and B. Notation: "не" is
// negation and binds tightest, then conjunction ("*" or two operands side by
// side), then disjunction "+", then equivalence "~".
class Formula {
public:
    // Values at (A,B) = 00, 01, 10, 11.
    static std::array<bool, 4> Table(std::string_view text) {
        std::array<bool, 4> values{};
        for (int ab = 0; ab < 4; ++ab) {
            Formula f{text, ab >= 2, ab % 2 == 1};
            values[static_cast<std::size_t>(ab)] = f.Equivalence();
            f.Take("");  // the blanks at the end
            if (f.pos_ != text.size()) throw std::invalid_argument("trailing text");
        }
        return values;
    }
    static bool At(std::string_view text, bool a, bool b) { return Table(text)[(a ? 2 : 0) + (b ? 1 : 0)]; }

private:
    Formula(std::string_view text, bool a, bool b) : text_(text), a_(a), b_(b) {}
    bool Take(std::string_view token) {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
        if (text_.substr(pos_, token.size()) != token) return false;
        pos_ += token.size();
        return true;
    }
    bool Peek(std::string_view token) {
        const std::size_t at = pos_;
        const bool found = Take(token);
        pos_ = at;
        return found;
    }
    bool Equivalence() {
        bool value = Disjunction();
        while (Take("~")) value = value == Disjunction();
        return value;
    }
    bool Disjunction() {
        bool value = Conjunction();
        while (Take("+")) value = Conjunction() || value;
        return value;
    }
    bool Conjunction() {
        bool value = Operand();
        while (Take("*") || Peek("A") || Peek("B") || Peek("(") || Peek("не")) value = Operand() && value;
        return value;
    }
    bool Operand() {
        if (Take("не")) return !Operand();
        if (Take("A")) return a_;
        if (Take("B")) return b_;
        if (!Take("(")) throw std::invalid_argument("operand expected");
        const bool value = Equivalence();
        if (!Take(")")) throw std::invalid_argument("missing )");
        return value;
    }

    std::string_view text_;
    bool a_, b_;
    std::size_t pos_ = 0;
};

// The formula of a question: the text between two markers.
std::string_view Between(std::string_view text, std::string_view after, std::string_view before) {
    const std::size_t start = text.find(after);
    if (start == std::string_view::npos) throw std::invalid_argument("no formula");
    const std::size_t from = start + after.size();
    return text.substr(from, before.empty() ? std::string_view::npos : text.find(before, from) - from);
}

TEST(QuizFormula, EvaluatorReadsTheNotation) {
    using T = std::array<bool, 4>;
    EXPECT_EQ(Formula::Table("(AB)~(не A)"), (T{false, false, true, false}));  // juxtaposition, ~, не
    EXPECT_EQ(Formula::Table("не A+B*A"), (T{true, true, false, true}));        // не, then *, then +
    EXPECT_EQ(Formula::Table("A+B~A"), (T{true, false, true, true}));           // ~ last
    EXPECT_THROW(Formula::Table("(A+B"), std::invalid_argument);
}

TEST(QuizQuestions, ValueQuestionsRewardExactlyTheTrueValuePair) {
    for (std::size_t q : {2u, 3u}) {
        const TestQuestion& question = MasterQuestions()[q];
        const std::string_view formula = Between(question.text, "значения ", ", при A,B:0,1 и 1,1");
        const std::string expected = std::string(Formula::At(formula, false, true) ? "1" : "0") + " и " +
                                     (Formula::At(formula, true, true) ? "1" : "0");
        int correct = 0;
        for (std::size_t a = 0; a < kQuizAnswerCount; ++a) {
            const bool isTrue = question.answers[a] == expected;
            correct += isTrue;
            EXPECT_EQ(question.weights[a] > 0, isTrue) << "question " << q + 1 << " answer " << question.answers[a];
        }
        EXPECT_EQ(correct, 1) << "question " << q + 1;
    }
}

TEST(QuizQuestions, IdentityQuestionRewardsExactlyTheIdenticalFormulas) {
    const TestQuestion& question = MasterQuestions()[4];
    const auto target = Formula::Table(Between(question.text, "тождественные ", ""));
    EXPECT_EQ(target, Formula::Table("не B"));
    int identical = 0;
    for (std::size_t a = 0; a < kQuizAnswerCount; ++a) {
        const bool same = Formula::Table(question.answers[a]) == target;
        identical += same;
        EXPECT_EQ(question.weights[a] > 0, same) << question.answers[a];
    }
    EXPECT_EQ(identical, 2);
}

TEST(QuizQuestions, WordQuestionsRewardTheTrueStatements) {
    const QuizTable& table = MasterQuestions();
    // Disjunction, conjunction and implication take two operands, negation one.
    const std::array<bool, 4> binary{true, true, false, true};
    // "И A, и B" and "A несмотря на B" assert both parts; "если..., то" and
    // "либо" do not.
    const std::array<bool, 4> conjunction{false, true, false, true};
    for (std::size_t a = 0; a < kQuizAnswerCount; ++a) {
        EXPECT_EQ(table[0].weights[a] > 0, binary[a]) << table[0].answers[a];
        EXPECT_EQ(table[1].weights[a] > 0, conjunction[a]) << table[1].answers[a];
    }
}

QuizTicks TicksWhere(bool positive) {
    QuizTicks ticks{};
    const QuizTable& table = MasterQuestions();
    for (std::size_t q = 0; q < table.size(); ++q)
        for (std::size_t a = 0; a < kQuizAnswerCount; ++a) ticks[q][a] = (table[q].weights[a] > 0) == positive;
    return ticks;
}

// Every right answer gives each question's maximum; every wrong one the
// lowest total there is.
TEST(QuizScoring, AllRightOrAllWrongGiveTheWholeMessage) {
    const struct {
        bool right;
        int total;
        const char* text;
    } cases[] = {
        {true, 25,
         "Вы набрали 25 из 25 возможных:\rВ вопросе 1: 3 из 3 возможных,\rВ Вопросе 2: 2 из 2, возможных\r"
         "В вопросе 3: 3 из 3, возможных\rВ вопросе 4: 3 из 3, возможных\rВ вопросе 5: 14 из 14 возможных.\r\r"
         "Оценка ваших знаний: 5."},
        {false, -15,
         "Вы набрали -15 из 25 возможных:\rВ вопросе 1: -2 из 3 возможных,\rВ Вопросе 2: -2 из 2, возможных\r"
         "В вопросе 3: -4 из 3, возможных\rВ вопросе 4: -4 из 3, возможных\rВ вопросе 5: -3 из 14 возможных.\r\r"
         "Оценка ваших знаний: 1."},
    };
    for (const auto& c : cases) {
        const QuizScore score = ScoreQuiz(MasterQuestions(), TicksWhere(c.right));
        EXPECT_EQ(score.total, c.total);
        EXPECT_EQ(score.totalMaximum, 25);
        EXPECT_EQ(QuizResultText(score, ","), c.text);
    }
}

TEST(QuizScoring, MixedTicksAddUpPerQuestion) {
    QuizTicks ticks{};
    ticks[0] = {true, true, true, true};    // 1 + 1 - 2 + 1
    ticks[1] = {true, true, false, false};  // -1 + 1
    ticks[2] = {false, false, true, false};
    ticks[3] = {false, true, false, false};
    ticks[4] = {true, true, false, false};  // -1 + 7
    const QuizScore score = ScoreQuiz(MasterQuestions(), ticks);
    EXPECT_EQ(score.scores, (std::array<int, 5>{1, 0, 3, -1, 6}));
    EXPECT_EQ(score.total, 9);
}

TEST(QuizScoring, TheFirstQuestionWithoutATickIsFound) {
    QuizTicks ticks = TicksWhere(true);
    EXPECT_EQ(FirstUnansweredQuestion(ticks), -1);
    ticks[4] = {};
    ticks[2] = {};
    EXPECT_EQ(FirstUnansweredQuestion(ticks), 2);
}

TEST(QuizMarkText, EveryTotalPrintsAsItsDecimalMark) {
    for (int total = -15; total <= 25; ++total) {
        const int tenths = total + 25;
        const std::string expected =
            std::to_string(tenths / 10) + (tenths % 10 ? "," + std::to_string(tenths % 10) : std::string());
        EXPECT_EQ(FormatMark(QuizMark(total), ","), expected) << "total " << total;
        EXPECT_DOUBLE_EQ(QuizMark(total), (total + 15) / 10.0 + 1);
    }
    EXPECT_EQ(FormatMark(QuizMark(0), "٫"), "2٫5");  // a separator of more than one byte
    // Any other value: the shortest text that reads back, no exponent.
    EXPECT_EQ(FormatMark(0.1 + 0.2, ","), "0,30000000000000004");
    EXPECT_EQ(FormatMark(1234567.0, ","), "1234567");
}

}  // namespace
}  // namespace vorn
