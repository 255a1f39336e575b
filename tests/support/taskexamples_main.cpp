// Writes the ready tasks and their solutions: vorn_task_examples FOLDER.
#include <iostream>

#include "taskexamples.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vorn_task_examples FOLDER\n";
        return 2;
    }
    try {
        vorn::circuitgen::WriteTaskExamples(argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "vorn_task_examples: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
