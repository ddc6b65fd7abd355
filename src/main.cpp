#include "app/frame/Startup.h"

int main(int argc, char** argv)
{
    return tav::app::runProgram(argc, argv);
}
