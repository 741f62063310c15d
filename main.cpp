#include "cli/CommandLine.h"

int main(int argc, char** argv)
{
    return RunRyvanta(argc, argv);
}
