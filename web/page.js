'use strict';
// The page's script presents what the module computes: it hands START, STOP and the timer's
// ticks to the module and copies the module's pixels onto the canvas, one to one.
(async () => {
  const module = await JoukowskyModule();
  const canvas = document.getElementById('Picture3');
  const start = document.getElementById('Command_START');
  const stop = document.getElementById('Command_STOP');
  const context = canvas.getContext('2d');
  const session = module._jouk_session_create(canvas.width, canvas.height, 1);
  const interval = module._jouk_tick_interval_ms();
  let timer = 0;

  function present() {
    const width = module._jouk_width(session);
    const height = module._jouk_height(session);
    const pixels = module._jouk_rgba(session);
    // A fresh view every time: growing the module's memory replaces its buffer.
    const bytes = new Uint8ClampedArray(module.HEAPU8.buffer, pixels, width * height * 4);
    context.putImageData(new ImageData(bytes, width, height), 0, 0);
    canvas.dataset.ticks = String(module._jouk_ticks(session));
  }

  function halt() {
    if (timer !== 0) clearInterval(timer);
    timer = 0;
  }

  start.addEventListener('click', () => {
    if (module._jouk_recompute(session) === 0) {
      window.alert(module.UTF8ToString(module._jouk_message(session)));
      return;
    }
    halt();
    module._jouk_start(session);
    present();
    timer = setInterval(() => {
      module._jouk_tick(session);
      present();
    }, interval);
  });
  stop.addEventListener('click', halt);

  start.disabled = false;
  stop.disabled = false;
  document.body.dataset.readyMs = String(performance.now());
  document.body.dataset.ready = 'true';
})().catch((error) => {
  document.body.dataset.error = String(error);
  throw error;
});
