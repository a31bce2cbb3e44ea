// A program that only carries version data, for the reader to read.
int main() {
  return 0;
}
