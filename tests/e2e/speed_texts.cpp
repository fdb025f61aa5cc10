// Prints the speed table, one row a line, "list text<TAB>description", so
// the scripts compare the window with the program's own texts.

#include <cstdio>

#include "viewer/speed_table.h"

int main() {
    for (const velmora::SpeedEntry& speed : velmora::kSpeedTable)
        std::printf("%.*s\t%.*s\n", static_cast<int>(speed.listText.size()), speed.listText.data(),
                    static_cast<int>(speed.description.size()), speed.description.data());
}
