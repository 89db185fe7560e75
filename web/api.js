// Appended to the generated module: the functions that the page, node and anyone who embeds the
// page call. Texts cross into the program as bytes: a string is taken as UTF-8, a Uint8Array
// (a file read as it is) is passed unchanged.

/** Runs one table; returns the summary file's bytes and the console lines. */
Module['summarizeBytes'] = function (input, formatCode, templateCode) {
  const bytes = typeof input === 'string' ? new TextEncoder().encode(input) : input;
  const pointer = _malloc(Math.max(bytes.length, 1));
  try {
    HEAPU8.set(bytes, pointer);
    _veldarin_summarize(pointer, bytes.length, formatCode | 0, templateCode | 0);
  } finally {
    _free(pointer);
  }
  const copy = (data, size) => HEAPU8.slice(data, data + size);
  return {
    summary: copy(_veldarin_summary(), _veldarin_summary_size()),
    console: new TextDecoder().decode(
        copy(_veldarin_console(), _veldarin_console_size())),
  };
};

/** The same with the summary as text: {summary, console}. */
Module['summarize'] = function (inputText, formatCode, templateCode) {
  const result = Module['summarizeBytes'](inputText, formatCode, templateCode);
  return {summary: new TextDecoder().decode(result.summary), console: result.console};
};
