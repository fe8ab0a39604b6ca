#include "qt/desktop.h"

int main(int argc, char** argv) {
    return kestrova::qt::runDesktop(argc, argv);
}
