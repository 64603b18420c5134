// The command-line program: runs an extraction job without a window.
#include <cstdio>

int main()
{
    std::fputs("usage: lodestrel-cli [options] (the command-line program is not built yet)\n", stderr);
    return 2;
}
