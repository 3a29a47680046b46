/* An LD_PRELOAD library that refuses one chosen allocation, so that a test can
 * see what a program does when memory runs out at exactly that point. Every
 * malloc, calloc and realloc of at least LEXI_FAIL_MIN bytes (default 1), and at
 * most LEXI_FAIL_MAX when that is set, is counted; the LEXI_FAIL_NTH one is refused, and its size
 * is written to the file LEXI_FAIL_LOG; with LEXI_FAIL_REST=1 every counted request after it is
 * refused too, as when no memory at all is left. Without LEXI_FAIL_NTH every request is served.
 * Nothing here allocates, and the program is taken to be single-threaded.
 */
#define _GNU_SOURCE
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

extern void* __libc_malloc(size_t size);
extern void* __libc_calloc(size_t count, size_t size);
extern void* __libc_realloc(void* block, size_t size);

static unsigned long counted = 0;

static unsigned long long number(const char* name) {
  const char* text = getenv(name);
  return text != NULL ? strtoull(text, NULL, 10) : 0;
}

/* Whether this request is the one to refuse. */
static int refuse(size_t size) {
  const unsigned long long nth = number("LEXI_FAIL_NTH");
  const unsigned long long most = number("LEXI_FAIL_MAX");
  if (nth == 0 || size < number("LEXI_FAIL_MIN") || (most != 0 && size > most)) return 0;
  if (counted >= nth && number("LEXI_FAIL_REST") == 1) {
    errno = ENOMEM;
    return 1;
  }
  if (++counted != nth) return 0;
  const char* path = getenv("LEXI_FAIL_LOG");
  const int fd = path != NULL ? open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644) : -1;
  if (fd >= 0) {
    char line[32];
    const int used = snprintf(line, sizeof line, "%zu\n", size);
    if (write(fd, line, (size_t)used) != used) errno = EIO; /* the test sees no size */
    close(fd);
  }
  errno = ENOMEM;
  return 1;
}

void* malloc(size_t size) {
  return refuse(size) ? NULL : __libc_malloc(size);
}

void* calloc(size_t count, size_t size) {
  if (size != 0 && count > (size_t)-1 / size) return __libc_calloc(count, size);
  return refuse(count * size) ? NULL : __libc_calloc(count, size);
}

void* realloc(void* block, size_t size) {
  return refuse(size) ? NULL : __libc_realloc(block, size);
}
