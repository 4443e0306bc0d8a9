#include "shell/main_routine.h"
#include "shell/startup.h"

int main() { return runStartup(runMainRoutine); }
