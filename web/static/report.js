// The report preview: the Print button prints the pages as laid out.
document.getElementById('print').addEventListener('click', () => window.print());
