// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
// libFuzzer target over the board's rules: each input byte is one event, and BoardWatch checks
// the board against its second account of the rules and its invariants after every step, as in
// the property test. A problem aborts, and libFuzzer keeps the input that led to it.
#include "boardwatch.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Indexes that no button or timer has.
constexpr int BadIndexes[] = {-32768, -2, -1, 9, 10, 32767};

QString step(Board &board, BoardWatch &watch, std::uint8_t byte)
{
    const int kind = byte >> 5;   // 0 to 7
    const int choice = byte & 31; // 0 to 31
    switch (kind) {
    case 0:
    case 1:
    case 2:
        return watch.click(board, choice % Board::CellCount);
    case 3:
    case 4:
    case 5:
        return watch.tick(board, choice % Board::CellCount);
    case 6:
        return watch.newGame(board);
    default: {
        const int bad = BadIndexes[choice % 6];
        return choice < 16 ? watch.click(board, bad) : watch.tick(board, bad);
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Board board;
    BoardWatch watch;
    for (std::size_t i = 0; i < size; ++i) {
        const QString problem = step(board, watch, data[i]);
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "byte %zu: %s\n%s", i, qUtf8Printable(problem),
                         qUtf8Printable(BoardWatch::describe(board)));
            std::abort();
        }
    }
    return 0;
}
