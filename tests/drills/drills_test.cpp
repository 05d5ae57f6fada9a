#include "drills/drillsession.h"

#include "rig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

std::string fileText(const std::string &path)
{
    std::ifstream in(std::string(LOOPWRIGHT_SOURCE_DIR) + "/" + path);
    EXPECT_TRUE(in) << path;
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Flies a drill as the headless runner does and keeps what it left.
struct Flight
{
    Rig r;
    std::optional<DrillSession> session;
    Debrief debrief;
    std::string passes; // '+' or '-' per objective

    explicit Flight(const std::string &text, DrillSession::Mode mode = DrillSession::Mode::Headless)
    {
        auto parsed = parseDrill(text);
        if (auto *error = std::get_if<DrillError>(&parsed)) {
            ADD_FAILURE() << error->russianMessage();
            return;
        }
        applyDrillSetup(std::get<Drill>(parsed), r.sim);
        r.sim.start();
        session.emplace(std::get<Drill>(parsed), r.sim, mode);
        session->begin();
        for (int i = 0; i < 200000 && !session->ended(); ++i)
            session->afterTick(r.tick().empty());
        debrief = session->debrief();
        for (const ObjectiveResult &o : debrief.objectives)
            passes += o.passed ? '+' : '-';
    }
};

struct Shipped
{
    const char *name;
    const char *wrongPasses; // the correct response passes every objective
};

class ShippedDrill : public testing::TestWithParam<Shipped>
{ };

TEST_P(ShippedDrill, TheCorrectResponsePassesAndTheWrongOneFails)
{
    const std::string name = GetParam().name;
    const std::string drill = fileText("drills/" + name + ".drill");
    const Flight correct(drill + fileText("tests/drills/responses/" + name + ".correct"));
    const Flight wrong(drill + fileText("tests/drills/responses/" + name + ".wrong"));
    EXPECT_EQ(correct.passes, std::string(std::strlen(GetParam().wrongPasses), '+'));
    EXPECT_EQ(wrong.passes, GetParam().wrongPasses);
    EXPECT_EQ(correct.debrief.endedBy, DrillEnd::Surface);
    EXPECT_FALSE(correct.debrief.title.empty());
    EXPECT_FALSE(correct.session->drill().brief.empty());
}

INSTANTIATE_TEST_SUITE_P(Drills, ShippedDrill,
        testing::Values(Shipped {"o2-solenoid-stuck", "--++"},
                Shipped {"dil-solenoid-stuck", "--+"}, Shipped {"o2-cylinder-empty", "-+"},
                Shipped {"dil-valve-closed", "-+"}, Shipped {"setpoint-switch", "-++"},
                Shipped {"deco-dive", "-+++"}, Shipped {"cells-current-limited", "-++"},
                Shipped {"cell-dead", "-+"}, Shipped {"cells-slow-descent", "-+"},
                Shipped {"loop-lost-40m", "--++"}, Shipped {"bailout-deco", "-+++"}),
        [](const auto &info) {
            std::string n = info.param.name;
            std::replace(n.begin(), n.end(), '-', '_');
            return n;
        });

struct BadDrill
{
    const char *text;
    const char *message;
};

class MalformedDrill : public testing::TestWithParam<BadDrill>
{ };

TEST_P(MalformedDrill, IsRefusedWithItsLineAndAReasonInRussian)
{
    const auto parsed = parseDrill(GetParam().text);
    ASSERT_TRUE(std::holds_alternative<DrillError>(parsed));
    EXPECT_EQ(std::get<DrillError>(parsed).russianMessage(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Lines, MalformedDrill,
        testing::Values(BadDrill {"title A\n\nfoo 1\n", "строка 3: неизвестная команда «foo»"},
                BadDrill {"# a comment\nstart\n",
                        "строка 2: команда запуска «start» в тренировке не допускается"},
                BadDrill {"at 1 ticks 5\n",
                        "строка 1: «ticks» нельзя задать по времени (field, slider, check, press, "
                        "release, supply, cell, bailout, note)"},
                BadDrill {"gf 30 70\nat 1 gf 50 80\n",
                        "строка 2: «gf» нельзя задать по времени (field, slider, check, press, "
                        "release, supply, cell, bailout, note)"},
                BadDrill {"at 1 details 6 1 6 2\n",
                        "строка 1: «details» нельзя задать по времени (field, slider, check, "
                        "press, release, supply, cell, bailout, note)"},
                BadDrill {"press O2Bypass\n",
                        "строка 1: «press» допускается только после «at МИНУТЫ»"},
                BadDrill {"at -1 note x\n", "строка 1: минуты не могут быть отрицательными"},
                BadDrill {"at 1 supply O2 shut\n",
                        "строка 1: ожидается open или closed, а не «shut»"},
                BadDrill {"objective ppo2-between 1,6 0,4\n",
                        "строка 1: наименьшее PPO2 больше наибольшего"},
                BadDrill {"objective deep\n",
                        "строка 1: неизвестная цель «deep» (ppo2-between, no-ceiling-violation, "
                        "surface-within, cns-below, reserve-above, bailout-reserve-above)"},
                BadDrill {"details 6 1 x 2\n", "строка 1: объём: нужно число, а не «x»"},
                BadDrill {"brief ok\nbrief \xD0\n", "строка 2: строка не в кодировке UTF-8"},
                BadDrill {"at 1 cell 2 stuck now\ncell 1 stuck now\n",
                        "строка 2: «stuck now» требует показаний датчика, а они появятся только "
                        "в погружении: пишите после «at МИНУТЫ»"},
                BadDrill {"at 1 cell 2 slow 1e999\n",
                        "строка 1: время запаздывания: нужно число, а не «1e999»"},
                BadDrill {"details 6 1 6 -1,0000001e15\n",
                        "строка 1: объём «-1,0000001e15» больше 1E15 л"},
                BadDrill {"title A\rbrief\r\n\rfoo\n", "строка 4: неизвестная команда «foo»"},
                BadDrill {"bailout-gas 2 50 0 1100\nbailout 2\n",
                        "строка 2: «bailout» в подготовке отменит «ПОГРУЖЕНИЕ», которое "
                        "возвращает дайвера на контур: пишите после «at МИНУТЫ»"},
                BadDrill {"at 1 bailout 2\nat 2 rmv 30\n",
                        "строка 2: «rmv» нельзя задать по времени (field, slider, check, press, "
                        "release, supply, cell, bailout, note)"}));

TEST(DrillFile, ReadsNumbersAsTheProgramDoesAndNamesObjectivesAsWritten)
{
    const auto parsed = parseDrill("\xEF\xBB\xBFtitle Проба # comment\nbrief один\nbrief\n"
                                   "objective  ppo2-between\t0,4 1.6\nend-after 2,5\n");
    ASSERT_TRUE(std::holds_alternative<Drill>(parsed));
    const Drill &d = std::get<Drill>(parsed);
    EXPECT_EQ(d.title, "Проба");
    EXPECT_EQ(d.brief, (std::vector<std::string> {"один", ""}));
    ASSERT_EQ(d.objectives.size(), 1u);
    EXPECT_EQ(d.objectives[0].name, "ppo2-between 0,4 1.6");
    EXPECT_EQ(d.objectives[0].low, 0.4);
    EXPECT_EQ(d.objectives[0].high, 1.6);
    EXPECT_EQ(d.endAfterMinutes, 2.5);
}

TEST(DrillFile, AcceptsTheLineEndsOfEverySystemAndLinesUpTo64KiB)
{
    for (const std::string end : {"\n", "\r\n", "\r"}) {
        const std::string longest(scriptwords::kMaxLineBytes - 6, 'x');
        const auto parsed = parseDrill("title T" + end + "brief a" + end + end + "brief " + longest
                + end + "end-after 2" + end);
        ASSERT_TRUE(std::holds_alternative<Drill>(parsed)) << int(end[0]);
        const Drill &d = std::get<Drill>(parsed);
        EXPECT_EQ(d.brief, (std::vector<std::string> {"a", longest}));
        EXPECT_EQ(d.endAfterMinutes, 2.0);
        const auto tooLong = parseDrill("title T" + end + "brief " + longest + "x" + end);
        ASSERT_TRUE(std::holds_alternative<DrillError>(tooLong));
        EXPECT_EQ(
                std::get<DrillError>(tooLong).russianMessage(), "строка 2: строка длиннее 64 КиБ");
    }
}

// One-second ticks. The first tick fails (the conservatism cannot be read);
// the "at 0" line after it repairs the field. Lines due on the same tick come
// in the order they fall due, file order among equal times, and a line is
// due exactly at its time.
TEST(DrillSession, EventsRunAfterEveryTickInDueOrderAndFiguresCountCompletedTicks)
{
    Flight f("field TickMs 1000\ncheck Setpoint1Active 0\nfield Conservatism x\nat 0 field "
             "Conservatism 0\n"
             "at 0,01 note first\nat 0,005 note second\nat 0,05 note on time\n"
             "at 0,005 note third\nobjective ppo2-between 0,4 1,6\nend-after 0,1\n");
    ASSERT_EQ(f.session->notes().size(), 4u);
    EXPECT_EQ(f.session->notes()[0].text, "second");
    EXPECT_EQ(f.session->notes()[1].text, "third");
    EXPECT_EQ(f.session->notes()[2].text, "first");
    EXPECT_EQ(f.session->notes()[3].minutes, 0.05);
    EXPECT_EQ(f.debrief.endedBy, DrillEnd::EndAfter);
    EXPECT_EQ(f.debrief.figures.diveTimeMin, 0.1);
    EXPECT_EQ(f.debrief.objectives[0].value, 0.1) << "six completed ticks below 0,4";
    EXPECT_EQ(f.debrief.figures.minutesPpo2Below04, 0.1);
    EXPECT_EQ(f.r.state.simClockMs - kSimClockStartMs, 6000);
    EXPECT_FALSE(f.r.sim.view().controls.timerOn) << "the end pauses the dive";
}

TEST(DrillSession, EndsInTheOrderSurfaceEndAfterLimit)
{
    // 0.6 s ticks, 0.5 m a tick: down to 2 m, back at the surface at 6 s,
    // which is also the end-after time.
    const std::string dive = "field TickMs 600\nfield DescentRate 50\nfield AscentRate 50\n"
                             "at 0,06 slider MaxDepth 0\nend-after 0,1\n";
    EXPECT_EQ(Flight("slider MaxDepth 2\n" + dive).debrief.endedBy, DrillEnd::Surface);
    EXPECT_EQ(Flight("slider MaxDepth 1\n" + dive).debrief.endedBy, DrillEnd::EndAfter)
            << "a dive that never went below 1 m does not end at the surface";

    Flight day("field TickMs 1000\n");
    EXPECT_EQ(day.debrief.endedBy, DrillEnd::Limit);
    EXPECT_EQ(day.debrief.figures.diveTimeMin, 24 * 60);
}

TEST(DrillSession, ObjectivesJudgeTheirValuesAtTheirEdges)
{
    const std::string quiet = "field O2ConstantFlow 0\ncheck Setpoint1Active 0\n";
    Flight f(quiet
            + "field DilSupplyVolume 0\nobjective reserve-above 0\nobjective cns-below 0\n"
              "objective surface-within 5\nobjective no-ceiling-violation\nend-after 0,5\n");
    EXPECT_EQ(f.passes, "+--+");
    EXPECT_EQ(f.debrief.objectives[0].value, 0.0) << "a cylinder that held nothing";
    EXPECT_EQ(f.debrief.objectives[2].value, 0.5) << "in time, but not at the surface";

    Flight full(quiet + "field StartLoopVolume 8\nobjective reserve-above 100\nend-after 0,5\n");
    EXPECT_EQ(full.passes, "+") << "nothing used: exactly 100 % left";
}

// Headless, a thousand failing ticks in a row end the drill; a completed tick
// starts the count again, and the window never ends it so.
TEST(DrillSession, AThousandFailingTicksInARowEndItHeadless)
{
    Rig r;
    r.sim.start();
    const Drill drill = std::get<Drill>(parseDrill(""));
    DrillSession headless(drill, r.sim, DrillSession::Mode::Headless);
    DrillSession window(drill, r.sim, DrillSession::Mode::Window);
    headless.begin();
    window.begin();
    auto fail = [&](int n) {
        for (int i = 0; i < n; ++i) {
            headless.afterTick(false);
            window.afterTick(false);
        }
    };
    fail(999);
    headless.afterTick(true);
    fail(999);
    EXPECT_FALSE(headless.ended());
    fail(1);
    EXPECT_EQ(headless.endedBy(), DrillEnd::Error);
    fail(2000);
    EXPECT_FALSE(window.ended());
}

// A dive that never completes a tick passes nothing, and what is judged over
// the ticks has no value rather than a zero that would read as a pass.
TEST(DrillSession, WithoutACompletedTickNothingPassesAndTickValuesAreEmpty)
{
    Flight f("field Conservatism x\nobjective ppo2-between 0 9\nobjective no-ceiling-violation\n"
             "objective surface-within 100\nobjective cns-below 100\n"
             "objective reserve-above 0\n");
    EXPECT_EQ(f.debrief.endedBy, DrillEnd::Error);
    EXPECT_EQ(f.session->debrief().figures.diveTimeMin, 0.0);
    EXPECT_EQ(f.passes, "-----");
    std::vector<bool> hasValue;
    for (const ObjectiveResult &o : f.debrief.objectives)
        hasValue.push_back(o.value.has_value());
    EXPECT_EQ(hasValue, (std::vector<bool> {false, false, true, false, true}));
    const std::string json = debriefJson(f.debrief);
    EXPECT_NE(json.find("\"ended_by\": \"error\""), std::string::npos);
    EXPECT_NE(json.find("{\"name\": \"ppo2-between 0 9\", \"passed\": false, \"value\": null}"),
            std::string::npos)
            << json;
    EXPECT_NE(debriefText(f.debrief).find("  НЕ выполнена  cns-below 100: —\n"), std::string::npos);
}

// One litre a tick at the surface (60 l/min). Gas 1's 4 l on ticks 2 and 3
// keep half, gas 2 untouched keeps all: the smaller share of the gases
// carried is 50 %. Gas 1's 3 l on ticks 2 to 6 run out: ticks 5 and 6 are
// out of gas; with no other gas carried its share, 0, is the value.
TEST(DrillSession, BailoutFiguresAndTheReserveOfTheGasesCarried)
{
    const std::string surface = "field TickMs 1000\nrmv 60\nend-after 0,1\nat 0 bailout 1\n";
    Flight half(surface
            + "bailout-gas 1 21 0 4\nat 0,05 bailout loop\nobjective bailout-reserve-above 50\n"
              "objective bailout-reserve-above 50,1\n");
    EXPECT_EQ(half.passes, "+-");
    EXPECT_EQ(half.debrief.objectives[0].value, 50.0);
    EXPECT_EQ(half.debrief.figures.openCircuitMinutes, 2.0 / 60.0);
    EXPECT_EQ(half.debrief.figures.bailoutUsedL, 2.0);
    EXPECT_EQ(half.debrief.figures.minutesOutOfGas, 0.0);

    Flight dry(surface
            + "bailout-gas 1 21 0 3\nbailout-gas 2 50 0 0\nobjective bailout-reserve-above 0\n");
    EXPECT_EQ(dry.passes, "+");
    EXPECT_EQ(dry.debrief.objectives[0].value, 0.0);
    EXPECT_EQ(dry.debrief.figures.openCircuitMinutes, 5.0 / 60.0);
    EXPECT_EQ(dry.debrief.figures.minutesOutOfGas, 2.0 / 60.0);
    EXPECT_EQ(dry.debrief.figures.bailoutUsedL, 3.0);
    EXPECT_EQ(dry.debrief.figures.minPpo2, 0.21) << "what was breathed, not the loop";

    Flight none(surface
            + "bailout-gas 1 21 0 0\nbailout-gas 2 50 0 0\nobjective bailout-reserve-above 0\n");
    EXPECT_EQ(none.debrief.objectives[0].value, 0.0);

    // Ticks that fail after the gas step took gas: no figure counts them.
    Rig r;
    r.set(Edit::conservatism, "x");
    r.sim.start();
    DrillSession session(std::get<Drill>(parseDrill("")), r.sim, DrillSession::Mode::Window);
    session.begin();
    r.state.breathing = Breathing::Gas1;
    for (int i = 0; i < 3; ++i)
        session.afterTick(r.tick().empty());
    EXPECT_GT(r.state.bailoutDelivered, 0.0);
    EXPECT_EQ(session.debrief().figures.bailoutUsedL, 0.0);
    EXPECT_EQ(session.debrief().figures.openCircuitMinutes, 0.0);
}

TEST(DrillSession, AResetEndsItKeepingWhatTheDiveShowed)
{
    Rig r;
    r.set(Edit::tickMs, "1000");
    r.sim.start();
    DrillSession session(std::get<Drill>(parseDrill("")), r.sim, DrillSession::Mode::Window);
    session.begin();
    for (int i = 0; i < 90; ++i)
        session.afterTick(r.tick().empty());
    r.sim.pause();
    r.sim.reset();
    session.endByReset();
    const Debrief d = session.debrief();
    EXPECT_EQ(d.endedBy, DrillEnd::Reset);
    EXPECT_EQ(d.figures.diveTimeMin, 1.5);
    EXPECT_GT(d.figures.o2UsedL, 0.0);
    EXPECT_EQ(d.samples.size(), 9u) << "at 1, 11, ... 81 s";
}

TEST(Debrief, JsonHasTheAgreedShapeAndTheTextSaysWhatFailed)
{
    Debrief d;
    d.title = "Кислород \"пуст\"";
    d.endedBy = DrillEnd::Reset;
    d.objectives = {{ObjectiveKind::CnsBelow, "cns-below 80", true, -0.0},
            {ObjectiveKind::SurfaceWithin, "surface-within 30", false, 0.1}};
    d.figures.diveTimeMin = 1.0 / 3;
    d.figures.otu = 2.5e-7;
    EXPECT_EQ(debriefJson(d),
            "{\"title\": \"Кислород \\\"пуст\\\"\", \"ended_by\": \"reset\",\n"
            " \"objectives\": [{\"name\": \"cns-below 80\", \"passed\": true, \"value\": 0},\n"
            "  {\"name\": \"surface-within 30\", \"passed\": false, \"value\": 0.1}],\n"
            " \"figures\": {\"dive_time_min\": 0.3333333333333333,\n"
            "             \"max_depth_m\": null,\n             \"minutes_ppo2_below_0_4\": null,\n"
            "             \"minutes_ppo2_above_1_6\": null,\n             \"min_ppo2\": null,\n"
            "             \"max_ppo2\": null,\n             \"minutes_above_ceiling\": null,\n"
            "             \"max_cns_percent\": null,\n             \"otu\": 2.5e-07,\n"
            "             \"o2_used_l\": 0,\n             \"dil_used_l\": 0,\n"
            "             \"oc_minutes\": 0,\n             \"bailout_used_l\": 0,\n"
            "             \"minutes_out_of_gas\": 0}}\n");
    const std::string text = debriefText(d);
    EXPECT_NE(text.find("\n  НЕ выполнена  surface-within 30: 0,1 мин\n"), std::string::npos)
            << text;
    EXPECT_NE(text.find("\n  OTU: < 0,1\n"), std::string::npos) << "not zero";
}

} // namespace
