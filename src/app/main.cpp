#include "application.h"

int main(int argc, char **argv)
{
    return runGame(argc, argv);
}
