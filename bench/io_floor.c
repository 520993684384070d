/* The floor for a whole run of tensor3d: a process that does nothing but the
 * run's file I/O. It reads the data file to its end in blocks of the size the
 * program reads in, and writes a results file of the report's size, in one
 * write or, given a record count, in that many writes of equal share, the way
 * the program writes each record as soon as it is complete. Whatever a run of
 * tensor3d costs beyond this process is the price of the program itself.
 *
 * Usage: io_floor <data file> <results file> <report size in bytes> [records]
 */
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    fputs("usage: io_floor <data file> <results file> <report size> [records]\n", stderr);
    return 2;
  }
  const size_t reportSize = strtoul(argv[3], NULL, 10);
  size_t records = argc == 5 ? strtoul(argv[4], NULL, 10) : 1;
  if (records == 0) records = 1;

  const int data = open(argv[1], O_RDONLY);
  if (data < 0) return 1;
  char block[4096];
  ssize_t count;
  while ((count = read(data, block, sizeof block)) > 0) {
  }
  close(data);

  char* report = malloc(reportSize > 0 ? reportSize : 1);
  if (report == NULL) return 1;
  memset(report, ' ', reportSize);
  const int results = open(argv[2], O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (results < 0) return 1;
  int written = 1;
  for (size_t record = 0; record < records; ++record) {
    const size_t begin = reportSize * record / records;
    const size_t end = reportSize * (record + 1) / records;
    if (write(results, report + begin, end - begin) != (ssize_t)(end - begin)) written = 0;
  }
  free(report);
  return close(results) == 0 && written ? 0 : 1;
}
