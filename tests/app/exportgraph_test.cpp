// SPDX-License-Identifier: GPL-3.0-or-later
// The graph of an equation as the export draws it, against what グラフ
// draws and says on a fresh analysis screen given the same terms and range.
#include "exportgraph.h"

#include <vector>

#include "analysisfixture.h"
#include "equationfile.h"
#include "loadterms.h"
#include "messages.h"

namespace {

struct GraphCase {
    const char* name;
    const char* terms;          // the file's "terms"
    const char* analysis;       // and its "analysis", when it has one
    GraphDrawing::End outcome;  // of the export's graph
    std::vector<std::string> messages;
};

void PrintTo(const GraphCase& c, std::ostream* os) { *os << c.name; }

const char* const square = R"([{"shape": "power", "b": "1", "n": "2"}, {"shape": "constant", "k": "-2"}])";
const char* const logarithm = R"([{"shape": "log", "a": "1", "b": "1", "n": "1", "c": "0"}])";

const GraphCase graphCases[] = {
    {"Square", square, R"({"start": "-3", "end": "3"})", GraphDrawing::drawn, {}},
    {"Reversed", square, R"({"start": "3", "end": "-3"})", GraphDrawing::drawn, {}},
    // One box empty reads 0, as the window reads it.
    {"StartOnly", square, R"({"start": "2.5"})", GraphDrawing::drawn, {}},
    {"Sine", R"([{"shape": "sin", "a": "3", "b": "2", "n": "1", "c": "0.5"}])", R"({"start": "0", "end": "20"})", GraphDrawing::drawn, {}},
    // A power of a base is sampled from the range's start only.
    {"Base", R"([{"shape": "base", "m": "2", "a": "1", "b": "1", "n": "1", "c": "0"},
                 {"shape": "constant", "k": "-3"}])",
     R"({"start": "-1", "end": "3"})", GraphDrawing::drawn, {}},
    {"BeyondFloats", R"([{"shape": "exp", "a": "1", "b": "100", "n": "1", "c": "0"}])", R"({"start": "0", "end": "1"})",
     GraphDrawing::refused, {messages::valueTooLarge}},
    {"StoppedOutsideTheRange", logarithm, R"({"start": "0.01", "end": "1"})", GraphDrawing::stopped,
     {messages::logArgument, messages::notComputableReached}},
    {"FailsInTheRange", logarithm, R"({"start": "-1", "end": "1"})", GraphDrawing::refused, {messages::logArgument}},
    {"PointRange", square, R"({"start": "1", "end": "1"})", GraphDrawing::refused, {messages::rangeOrDivisions}},
    {"NoRange", square, nullptr, GraphDrawing::noRange, {}},
    {"EmptyTexts", square, R"({"start": "", "end": "", "precision": "0.1"})", GraphDrawing::noRange, {}},
};

Equation equationOf(const GraphCase& c) {
    QByteArray json = QByteArray(R"({"format": "kalvex-equation", "version": 1, "terms": )") + c.terms;
    if (c.analysis) json += QByteArray(R"(, "analysis": )") + c.analysis;
    const EquationRead read = parseEquation(json + "}", "t.kalvex");
    EXPECT_TRUE(read) << read.error.text();
    return read ? *read.equation : Equation{};
}

}  // namespace

class GraphOfFile : public AnalysisTest, public ::testing::WithParamInterface<GraphCase> {};

TEST_P(GraphOfFile, DrawsAndSaysWhatTheGraphCommandDoes) {
    const GraphCase& c = GetParam();
    const Equation equation = equationOf(c);
    ASSERT_EQ(loadTerms(kalvex, equation), nullptr);
    ScreenRegistry::present(screen());
    graph(QString::fromStdString(equation.start.value_or("")), QString::fromStdString(equation.end.value_or("")));

    const GraphDrawing drawing = graphOf(equation, box().width(), box().height());
    EXPECT_EQ(drawing.end, c.outcome);
    EXPECT_EQ(drawing.messages, c.messages);
    EXPECT_EQ(takeMessages(), c.messages);

    PictureBox painted;
    painted.resize(box().size());
    painted.paint(drawing.ops);
    EXPECT_EQ(painted.picture(), picture());
    // Only a whole graph has its axes; an untouched box is all background.
    const QImage image = painted.picture();
    const bool axes = countColour(image, QColor(255, 0, 0)) > 0;
    EXPECT_EQ(axes, c.outcome == GraphDrawing::drawn);
    if (drawing.ops.empty()) {
        EXPECT_EQ(countColour(image, box().backgroundColour()), image.width() * image.height());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, GraphOfFile, ::testing::ValuesIn(graphCases),
                         [](const auto& info) { return std::string(info.param.name); });
