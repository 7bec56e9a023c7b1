// Time of one ChooseComputerMove at both levels, with the double-three ban
// on and off, in three positions: the reply to the first stone, a half-full
// board (180 stones) and a dense one (300 stones), neither with a five.
#include <benchmark/benchmark.h>

#include <string>

#include "ai/computer_player.h"
#include "rules/board.h"
#include "rules/lines.h"
#include "settings/options.h"

namespace {

enum Position { kFirstReply, kHalfFull, kDense };

void ClearBoard() {
    for (int x = 0; x < kBoardCells; x++)
        for (int y = 0; y < kBoardCells; y++) Board[x][y] = Empty;
    InitWallRing();
    moveCount = 0;
    Phase = Black;
}

// Stones in alternating colours on cells drawn by a fixed generator of its
// own, skipping any cell that would complete a five, so every run gives the
// same position.
void ScatterStones(int count) {
    uint32_t state = 12345;
    while (moveCount < count) {
        state = state * 1103515245u + 12345u;
        const int x = 1 + (int)((state >> 8) % kBoardSize);
        const int y = 1 + (int)((state >> 20) % kBoardSize);
        if (Board[x][y] != Empty) continue;
        Board[x][y] = Phase;
        int32_t fx = x, fy = y;
        if (FindFive(fx, fy) != 0) {
            Board[x][y] = Empty;
            continue;
        }
        historyX[moveCount] = x;
        historyY[moveCount] = y;
        moveCount++;
        Phase = Opponent(Phase);
    }
}

void SetUpPosition(Position position) {
    ClearBoard();
    if (position == kFirstReply) {
        Board[10][10] = Black;
        historyX[0] = historyY[0] = 10;
        moveCount = 1;
        Phase = White;
    } else {
        ScatterStones(position == kHalfFull ? 180 : 300);
    }
    options.computerColour = Phase;
}

void ChooseMove(benchmark::State& state, Position position, int32_t level, int32_t allowDoubleThree) {
    SetUpPosition(position);
    options.level = level;
    options.allowDoubleThree = allowDoubleThree;
    options.sound = 0;
    for (auto _ : state) {
        int32_t x = 0, y = 0;
        benchmark::DoNotOptimize(ChooseComputerMove(x, y));
        benchmark::DoNotOptimize(x);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const struct {
        Position position;
        const char* name;
    } positions[] = {{kFirstReply, "first_reply"}, {kHalfFull, "half_full_180"}, {kDense, "dense_300"}};
    for (const auto& p : positions)
        for (int32_t level : {0, 1})
            for (int32_t allow : {0, 1}) {
                const std::string name = std::string("ChooseComputerMove/") + p.name + (level ? "/God" : "/Man") +
                                         (allow ? "/3x3_allowed" : "/3x3_banned");
                benchmark::RegisterBenchmark(name.c_str(), ChooseMove, p.position, level, allow)
                    ->Unit(benchmark::kMicrosecond)
                    ->Repetitions(9)
                    ->ReportAggregatesOnly(true);
            }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
