#include "driver/run_driver.hpp"

int main() { return tensor3d::runProgram(); }
