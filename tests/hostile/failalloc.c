/* An LD_PRELOAD library that refuses one chosen allocation, so that tests can
 * see what a program does when memory runs out at exactly that point.
 *
 *   LEXI_FAIL_KIND  which requests count: "malloc" (malloc, calloc), "grow"
 *                   (realloc from null or to more than the block holds),
 *                   "shrink" (realloc to no more than the block holds) or "any"
 *   LEXI_FAIL_MIN   only requests of at least this many bytes count (default 1)
 *   LEXI_FAIL_NTH   the counted request that is refused (default 1); all
 *                   others are served
 *   LEXI_FAIL_REST  "1": every counted request after the nth is refused too,
 *                   as when no memory at all is left
 *   LEXI_FAIL_LOG   a file that gets one line, "KIND SIZE", for the refusal
 *
 * Without LEXI_FAIL_KIND every request is served. Nothing here allocates, and
 * the program is taken to be single-threaded, as the word finder is.
 */
#define _GNU_SOURCE
#include <errno.h>
#include <fcntl.h>
#include <malloc.h>
#include <stddef.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

extern void* __libc_malloc(size_t size);
extern void* __libc_calloc(size_t count, size_t size);
extern void* __libc_realloc(void* block, size_t size);

enum Kind { kNone, kMalloc, kGrow, kShrink, kAny };

static enum Kind failKind = kNone;
static size_t failMin = 1;
static unsigned long failNth = 1;
static int failRest = 0;
static unsigned long counted = 0;
static int configured = 0;

static unsigned long long number(const char* name, unsigned long long fallback) {
  const char* text = getenv(name);
  return text != NULL && *text != '\0' ? strtoull(text, NULL, 10) : fallback;
}

static void configure(void) {
  const char* kind = getenv("LEXI_FAIL_KIND");
  configured = 1;
  if (kind == NULL) return;
  if (strcmp(kind, "malloc") == 0) failKind = kMalloc;
  if (strcmp(kind, "grow") == 0) failKind = kGrow;
  if (strcmp(kind, "shrink") == 0) failKind = kShrink;
  if (strcmp(kind, "any") == 0) failKind = kAny;
  failMin = (size_t)number("LEXI_FAIL_MIN", 1);
  failNth = (unsigned long)number("LEXI_FAIL_NTH", 1);
  failRest = number("LEXI_FAIL_REST", 0) == 1;
}

static void logRefusal(const char* kind, size_t size) {
  const char* path = getenv("LEXI_FAIL_LOG");
  char line[64];
  char digits[24];
  size_t used = strlen(kind);
  size_t count = 0;
  int fd;
  if (path == NULL) return;
  memcpy(line, kind, used);
  line[used++] = ' ';
  do {
    digits[count++] = (char)('0' + size % 10);
    size /= 10;
  } while (size > 0);
  while (count > 0) line[used++] = digits[--count];
  line[used++] = '\n';
  fd = open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) return;
  /* A line that cannot be written is missed by the test, which says so. */
  const ssize_t written = write(fd, line, used);
  (void)written;
  close(fd);
}

/* Whether this request is the one to refuse. */
static int refuse(enum Kind kind, const char* name, size_t size) {
  if (!configured) configure();
  if (failKind == kNone || size < failMin) return 0;
  if (failKind != kAny && failKind != kind) return 0;
  if (counted >= failNth && failRest) {
    errno = ENOMEM;
    return 1;
  }
  if (++counted != failNth) return 0;
  logRefusal(name, size);
  errno = ENOMEM;
  return 1;
}

void* malloc(size_t size) {
  return refuse(kMalloc, "malloc", size) ? NULL : __libc_malloc(size);
}

void* calloc(size_t count, size_t size) {
  if (size != 0 && count > (size_t)-1 / size) return __libc_calloc(count, size);
  return refuse(kMalloc, "malloc", count * size) ? NULL : __libc_calloc(count, size);
}

void* realloc(void* block, size_t size) {
  const int grows = block == NULL || size > malloc_usable_size(block);
  if (refuse(grows ? kGrow : kShrink, grows ? "grow" : "shrink", size)) return NULL;
  return __libc_realloc(block, size);
}
