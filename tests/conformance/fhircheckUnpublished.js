// Runs fhircheck on documents whose resources partly claim profiles that are
// not published in the loaded packages. Such a resource is checked against
// FHIR R4 only, and fhircheck then cannot tell whether it conforms to the
// target profile a reference asks for: it reports the reference as an error.
// This run accepts exactly those reports, when the referenced resource claims
// an unpublished profile, and fails on every other error.
// Usage: node fhircheckUnpublished.js CHECKER FILE.xml ...
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');

const [checker, ...files] = process.argv.slice(2);
let report;
try {
  report = execFileSync(process.execPath, [checker, '--json', '--allow-unknown-profiles', ...files],
                        { encoding: 'utf8', maxBuffer: 64 * 1024 * 1024 });
} catch (failed) {
  report = failed.stdout;  // exit status 1 when any error was found
}
const unpublishedClaim = /^Profile '([^']+)' is not in the loaded packages/;
const unprovenTarget = /^Referenced \w+ '([^']+)' does not conform to any of the target profiles/;

// The meta.profile of the entry with the given full URL.
function claimedProfile(text, fullUrl) {
  const at = text.indexOf(`<fullUrl value="${fullUrl}"/>`);
  const match = at < 0 ? null : /<profile value="([^"]+)"\/>/.exec(text.slice(at));
  return match ? match[1] : undefined;
}

let failures = 0;
for (const file of JSON.parse(report).files) {
  const text = fs.readFileSync(file.file, 'utf8');
  const unpublished = new Set(file.issues.map((i) => unpublishedClaim.exec(i.message)).filter(Boolean).map((m) => m[1]));
  let accepted = 0;
  for (const issue of file.issues.filter((i) => i.severity === 'error')) {
    const target = issue.rule === 'reference' && unprovenTarget.exec(issue.message);
    if (target && unpublished.has(claimedProfile(text, target[1]))) {
      ++accepted;
      continue;
    }
    ++failures;
    console.log(`error\t${issue.location}\t${issue.message}\t[${issue.rule}] (line ${issue.line})`);
  }
  console.log(`${file.file}: ${file.errors - accepted} errors; ${accepted} references to resources of unpublished ` +
              `profiles not provable, ${unpublished.size} unpublished profiles checked against FHIR R4 only`);
}
process.exit(failures ? 1 : 0);
