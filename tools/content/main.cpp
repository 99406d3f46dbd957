#include <cstdio>

int main()
{
    std::fputs("usage: shinovedenie_content build <content-folder> <package-folder>\n", stderr);
    return 0;
}
