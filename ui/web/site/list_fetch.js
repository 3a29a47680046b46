// Fetches a bundled list and unpacks it away from the page's thread, which
// would otherwise be blocked for as long as the unpacking takes: the page asks
// with a file's name and gets back progress, then the bytes (handed over, not
// copied) or the reason they could not be had.
"use strict";

async function fetchList(name) {
  const response = await fetch(name + ".gz");
  if (!response.ok) throw new Error(response.statusText);
  const size = Number(response.headers.get("Content-Length"));
  let arrived = 0;
  const counted = new TransformStream({
    transform(chunk, out) {
      arrived += chunk.length;
      if (size) postMessage({name, progress: arrived / size});
      out.enqueue(chunk);
    },
  });
  const body = response.body.pipeThrough(counted).pipeThrough(new DecompressionStream("gzip"));
  return new Response(body).arrayBuffer();
}

onmessage = async ({data: name}) => {
  try {
    const bytes = await fetchList(name);
    postMessage({name, bytes}, [bytes]);
  } catch (error) {
    postMessage({name, error: String(error.message || error)});
  }
};
