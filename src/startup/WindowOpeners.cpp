#include "startup/WindowOpeners.h"

WindowOpeners& Openers() {
    static WindowOpeners openers;
    return openers;
}
