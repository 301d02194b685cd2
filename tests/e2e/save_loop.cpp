// The victim's side of the link race (link_race.sh): saves the usual values to Defaut.dat in the
// current directory, as the main window's save command does, again and again for the given
// number of seconds, and tells how many saves went through and how many were refused.
#include "defaults/defaults_file.h"
#include "defaults/defaults_record.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: save_loop SECONDS\n");
        return 2;
    }
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[1]));
    DefaultsRecord record;
    record.weight = "72";
    long saved = 0;
    long refused = 0;
    while (std::chrono::steady_clock::now() < end)
        ++(saveDefaults(record, nullptr) ? saved : refused);
    std::printf("%ld saves, %ld refused\n", saved, refused);
    return saved > 0 ? 0 : 1;
}
