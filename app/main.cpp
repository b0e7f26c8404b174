#include "app/Application.h"

int main(int argc, char **argv)
{
    return mimora::RunApplication(argc, argv);
}
