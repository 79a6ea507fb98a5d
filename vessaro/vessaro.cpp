#include "vessaro/vessaro.h"

extern "C" bool NoMeaning() {
    return true;
}
