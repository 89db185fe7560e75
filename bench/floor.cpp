// The least a loader of these tables can do: read the file twice line by line, split each line
// at tabs, append each piece to its column and write the columns out. bench/run compares the
// program against it.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: floor INPUT OUTPUT\n";
    return 2;
  }
  std::size_t widest = 0;
  std::vector<std::string> columns;
  std::string line;
  for (int pass = 0; pass < 2; ++pass) {
    std::ifstream in(argv[1]);
    while (std::getline(in, line)) {
      std::size_t column = 0;
      std::size_t start = 0;
      while (true) {
        const std::size_t tab = line.find('\t', start);
        const std::size_t end = tab == std::string::npos ? line.size() : tab;
        if (pass == 0) {
          widest = std::max(widest, column + 1);
        } else {
          if (columns.size() <= column) columns.resize(column + 1);
          columns[column].append(line, start, end - start).append(" ");
        }
        if (tab == std::string::npos) break;
        start = tab + 1;
        ++column;
      }
    }
  }
  std::ofstream out(argv[2]);
  for (const std::string& column : columns) out << column << '\n';
  return widest > 0 ? 0 : 1;
}
