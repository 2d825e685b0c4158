#include "app/Application.h"

int main(int argc, char** argv)
{
    return quorvel::runApplication(argc, argv);
}
