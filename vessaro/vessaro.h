// The companion library: the program calls its one export once at start-up.
#pragma once

extern "C" {
// Always true; the program ignores the answer.
__attribute__((visibility("default"))) bool NoMeaning();
}
