// veltractl's entry point: the command its arguments give; the exit code says how it went.
#include "ctl/veltractl.h"
#include "platform/console.h"

int main() {
    return runVeltractl(os::programArguments());
}
