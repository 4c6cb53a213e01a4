// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "application.h"

int main(int argc, char **argv)
{
    return runGame(argc, argv);
}
