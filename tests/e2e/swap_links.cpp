// The attacker's side of the link race (link_race.sh): exchanges two names of the current
// directory in one step, again and again for the given number of seconds, and tells how often.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <stdio.h>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: swap_links NAME OTHER_NAME SECONDS\n");
        return 2;
    }
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[3]));
    long swaps = 0;
    while (std::chrono::steady_clock::now() < end) {
        if (renameat2(AT_FDCWD, argv[1], AT_FDCWD, argv[2], RENAME_EXCHANGE) != 0) {
            std::perror("renameat2");
            return 1;
        }
        ++swaps;
    }
    std::printf("%ld swaps\n", swaps);
    return 0;
}
