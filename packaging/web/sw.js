// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the page's files so that TANVERA opens without a network. Every file of one build is
// asked for with that build's version in its address (?v=...), and each version is kept in a
// cache of its own, so a page never gets files of two builds. The page itself is fetched afresh
// whenever there is a network: a newer build on the server is then the one that opens, and its
// files are kept as it loads them. Once a build's page has started, it hands its list here; that
// build is then kept whole and the older ones are dropped.
"use strict";

const prefix = "tanvera-";

self.addEventListener("install", () => self.skipWaiting());
self.addEventListener("activate", (event) => event.waitUntil(self.clients.claim()));

self.addEventListener("fetch", (event) => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== "GET" || url.origin !== self.location.origin)
    return;
  if (request.mode === "navigate") {
    event.respondWith(fetch(request).catch(async () =>
      (await caches.match(request, { ignoreSearch: true })) || Response.error()));
    return;
  }
  const version = url.searchParams.get("v");
  if (!version)
    return;
  event.respondWith((async () => {
    const kept = await caches.open(prefix + version);
    const found = await kept.match(request);
    if (found)
      return found;
    const response = await fetch(request);
    if (response.ok)
      await kept.put(request, response.clone());
    return response;
  })());
});

// From a page that has started: { version, page, files }, the page's own address and its files'.
self.addEventListener("message", (event) => {
  const { version, page, files } = event.data || {};
  if (!version)
    return;
  event.waitUntil((async () => {
    const kept = await caches.open(prefix + version);
    for (const file of [page, ...files]) {
      if (!(await kept.match(file)))
        await kept.add(file);
    }
    for (const name of await caches.keys()) {
      if (name.startsWith(prefix) && name !== prefix + version)
        await caches.delete(name);
    }
  })());
});
