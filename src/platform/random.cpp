#include "platform/random.h"

#include <chrono>
#include <random>

namespace {

std::mt19937 &engine()
{
    static std::mt19937 generator(unsigned(std::chrono::steady_clock::now().time_since_epoch().count()));
    return generator;
}

} // namespace

namespace Random {

void seed(unsigned value)
{
    engine().seed(value);
}

int uniform(int n)
{
    if (n <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine());
}

int between(int low, int high)
{
    if (high < low)
        return low;
    return std::uniform_int_distribution<int>(low, high)(engine());
}

} // namespace Random
