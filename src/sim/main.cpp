#include <iostream>

int main() {
  std::cerr << "dpmr-sim: the simulated radio is not built yet\n";
  return 1;
}
