#include "random.h"

#include "services.h"

#include <cmath>

void randomize()
{
    services().randomize();
}

double rnd()
{
    return services().rnd();
}

int drawUpTo(int m)
{
    return static_cast<int>(std::floor(rnd() * m)) + 1;
}
