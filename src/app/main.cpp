#include "app/Application.h"

int main(int argc, char** argv) {
    return velno::app::runApplication(argc, argv);
}
