// The animation tick keeps its memory fixed: after the first ticks of a start, a tick allocates
// nothing. The program's heap functions are replaced here by counting ones that hand on to the C
// library's allocator, so that every allocation is seen: operator new, Qt's containers and the C
// library's own callers alike.
#include <malloc.h>
#include <QtTest>
#include <cerrno>
#include <cstddef>
#include <cstdlib>

#include "ui/Form1.hpp"
#include "model/Recompute.hpp"
#include "tests/ui/UiTestSupport.hpp"

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* block);
}

namespace {

// Allocations made by this thread while counting is on.
thread_local bool tCounting = false;
thread_local long tAllocations = 0;

void Count() {
  if (tCounting) ++tAllocations;
}

// The allocations that body makes.
template <class Body>
long AllocationsOf(Body body) {
  tAllocations = 0;
  tCounting = true;
  body();
  tCounting = false;
  return tAllocations;
}

}  // namespace

extern "C" {
void* malloc(std::size_t size) {
  Count();
  return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) {
  Count();
  return __libc_calloc(count, size);
}
void* realloc(void* block, std::size_t size) {
  Count();
  return __libc_realloc(block, size);
}
void* memalign(std::size_t alignment, std::size_t size) {
  Count();
  return __libc_memalign(alignment, size);
}
void* aligned_alloc(std::size_t alignment, std::size_t size) {
  Count();
  return __libc_memalign(alignment, size);
}
int posix_memalign(void** block, std::size_t alignment, std::size_t size) {
  Count();
  void* const p = __libc_memalign(alignment, size);
  if (p == nullptr) return ENOMEM;
  *block = p;
  return 0;
}
void free(void* block) {
  __libc_free(block);
}
}

class TickAllocationTest : public QObject {
  Q_OBJECT

 private slots:
  void countingSeesAllocations() {
    // The counter itself works: a string, a Qt list and a plain malloc are all seen.
    const long seen = AllocationsOf([] {
      std::string text(100, 'x');
      QList<int> list(1000, 1);
      void* block = std::malloc(64);
      std::free(block);
      QVERIFY(!text.empty() && !list.isEmpty());
    });
    QVERIFY2(seen >= 3, qPrintable(QString::number(seen)));
  }

  // The tick's own work, time step, erase, update and draw, allocates nothing at any load.
  void ticksAllocateNothing_data() {
    QTest::addColumn<bool>("heavy");
    QTest::newRow("start-up") << false;
    QTest::newRow("heavy") << true;
  }
  void ticksAllocateNothing() {
    QFETCH(bool, heavy);
    Form1 form;
    StartWithTexts(form, heavy ? HeavyTexts() : jouk::ParameterTexts{});
    for (int tick = 0; tick < 3; ++tick) form.Timer1_Timer();
    const long allocations = AllocationsOf([&] {
      for (int tick = 0; tick < 25; ++tick) form.Timer1_Timer();
    });
    QCOMPARE(allocations, 0L);
  }

  // On screen each tick asks for a repaint, and the toolkit's repaint request takes a few small
  // blocks of its own, freed again when the picture is painted: no more at the heaviest load than
  // at start-up, and the heap in use does not grow from frame to frame.
  void shownWindowKeepsItsMemory_data() { ticksAllocateNothing_data(); }
  void shownWindowKeepsItsMemory() {
    QFETCH(bool, heavy);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    StartWithTexts(form, heavy ? HeavyTexts() : jouk::ParameterTexts{});
    for (int tick = 0; tick < 5; ++tick) {
      form.Timer1_Timer();
      QApplication::processEvents();  // the repaint
    }
    const std::size_t inUse = mallinfo2().uordblks;
    constexpr int kFrames = 100;
    long allocations = 0;
    for (int tick = 0; tick < kFrames; ++tick) {
      allocations += AllocationsOf([&] { form.Timer1_Timer(); });
      QApplication::processEvents();
    }
    QVERIFY2(allocations <= 4 * kFrames, qPrintable(QString::number(allocations)));
    // A block kept per frame would add up to several kilobytes; the toolkit's bookkeeping may
    // move by a few hundred bytes.
    const std::size_t now = mallinfo2().uordblks;
    const std::size_t grown = now > inUse ? now - inUse : 0;
    QVERIFY2(grown < 4096, qPrintable(QString::number(grown)));
  }
};

QTEST_MAIN(TickAllocationTest)
#include "TickAllocationTest.moc"
