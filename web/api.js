// Appended to the generated module: the functions that the page, node and anyone who embeds the
// page call. Texts cross into the program as bytes: a string is taken as UTF-8, a Uint8Array
// (a file read as it is) is passed unchanged.

/**
 * Runs one table; returns the summary file's bytes and the console lines. `templates` is a code
 * (3), a list of codes ([3, 2]) or the switch's text ('3,2'); `rating` the /c value ('0.125',
 * 5), none when left out or ''.
 */
Module['summarizeBytes'] = function (input, formatCode, templates = 0, rating = '') {
  const bytes = typeof input === 'string' ? new TextEncoder().encode(input) : input;
  const texts = [Array.isArray(templates) ? templates.join(',') : String(templates),
    String(rating)].map((text) => new TextEncoder().encode(text + '\0'));
  const pointers = [bytes, ...texts].map((data) => {
    const pointer = _malloc(Math.max(data.length, 1));
    HEAPU8.set(data, pointer);
    return pointer;
  });
  try {
    _veldarin_summarize(pointers[0], bytes.length, formatCode | 0, pointers[1], pointers[2]);
  } finally {
    pointers.forEach((pointer) => _free(pointer));
  }
  const copy = (data, size) => HEAPU8.slice(data, data + size);
  return {
    summary: copy(_veldarin_summary(), _veldarin_summary_size()),
    console: new TextDecoder().decode(
        copy(_veldarin_console(), _veldarin_console_size())),
  };
};

/** The same with the summary as text: {summary, console}. */
Module['summarize'] = function (inputText, formatCode, templates, rating) {
  const result = Module['summarizeBytes'](inputText, formatCode, templates, rating);
  return {summary: new TextDecoder().decode(result.summary), console: result.console};
};
