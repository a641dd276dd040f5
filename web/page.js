// The page's side of web/form1.cpp: the controls in the DOM, built from the
// layout table the program passes in, and nothing of what a click does.
mergeInto(LibraryManager.library, {
  $quennarixPage: {
    controls: [],
    ascii: function(pointer) {
      var text = '';
      while (pointer && HEAPU8[pointer]) text += String.fromCharCode(HEAPU8[pointer++]);
      return text;
    },
    utf16: function(pointer, length) {
      var text = '';
      for (var i = 0; i < length; ++i) text += String.fromCharCode(HEAPU16[(pointer >> 1) + i]);
      return text;
    },
    // Focus moves back where it was without scrolling the page.
    refocus: function(element) {
      if (element && element.focus) element.focus({preventScroll: true});
    },
  },

  quennarix_set_window__deps: ['$quennarixPage'],
  quennarix_set_window: function(caption, messageTitle, width, height) {
    document.title = quennarixPage.ascii(caption);
    var form = document.getElementById('Form1');
    form.style.width = width + 'px';
    form.style.height = height + 'px';
    document.getElementById('message-title').textContent = quennarixPage.ascii(messageTitle);
    document.getElementById('message-ok').addEventListener('click', function() {
      document.getElementById('message').close();
    });
  },

  quennarix_add_control__deps: ['$quennarixPage'],
  quennarix_add_control: function(id, name, kind, caption, place, family, points, weight,
                                  accessibleName, labels, toolTip) {
    var page = quennarixPage;
    var text = page.ascii(caption);
    var element;
    if (kind === 1) { // a box
      element = document.createElement('input');
      element.type = 'text';
      element.spellcheck = false;
      element.autocomplete = 'off';
    } else if (kind === 2) { // a button: Space presses it, Enter does nothing
      element = document.createElement('button');
      element.type = 'button';
      element.textContent = text;
      element.addEventListener('keydown', function(event) {
        if (event.key === 'Enter') event.preventDefault();
      });
      element.addEventListener('click', function() { Module['_quennarix_click'](id); });
    } else {
      element = document.createElement(labels >= 0 ? 'label' : 'div');
      element.textContent = text;
    }
    element.id = page.ascii(name);
    var left = HEAP32[place >> 2], top = HEAP32[(place >> 2) + 1];
    var width = HEAP32[(place >> 2) + 2], height = HEAP32[(place >> 2) + 3];
    element.style.left = left + 'px';
    element.style.top = top + 'px';
    element.style.width = width + 'px';
    element.style.height = height + 'px';
    element.style.fontFamily = '"' + page.ascii(family) + '", Arial, sans-serif';
    element.style.fontSize = points + 'pt';
    element.style.fontWeight = weight;
    if (accessibleName) element.setAttribute('aria-label', page.ascii(accessibleName));
    if (toolTip) element.title = page.ascii(toolTip);
    if (labels >= 0) element.htmlFor = page.controls[labels].id;
    page.controls[id] = element;
    document.getElementById('Form1').appendChild(element);
  },

  quennarix_focus__deps: ['$quennarixPage'],
  quennarix_focus: function(control) {
    quennarixPage.refocus(quennarixPage.controls[control]);
  },

  quennarix_text_length__deps: ['$quennarixPage'],
  quennarix_text_length: function(box) {
    return quennarixPage.controls[box].value.length;
  },

  quennarix_copy_text__deps: ['$quennarixPage'],
  quennarix_copy_text: function(box, into) {
    var text = quennarixPage.controls[box].value;
    for (var i = 0; i < text.length; ++i) HEAPU16[(into >> 1) + i] = text.charCodeAt(i);
  },

  // One edit in the box's own history, so that Ctrl+Z there takes it back:
  // the browser keeps that history only for what it inserts itself.
  quennarix_replace_text__deps: ['$quennarixPage'],
  quennarix_replace_text: function(box, pointer, length) {
    var page = quennarixPage;
    var target = page.controls[box];
    var text = page.utf16(pointer, length);
    var before = document.activeElement;
    target.focus({preventScroll: true});
    target.select();
    if (!document.execCommand('insertText', false, text)) target.value = text;
    page.refocus(before);
  },

  quennarix_announce__deps: ['$quennarixPage'],
  quennarix_announce: function(pointer, length) {
    var region = document.getElementById('spoken');
    var text = quennarixPage.utf16(pointer, length);
    region.textContent = '';
    // A new node, even for the same words, is what a screen reader reads out.
    setTimeout(function() { region.textContent = text; }, 50);
  },

  quennarix_show_message__deps: ['$quennarixPage'],
  quennarix_show_message: function(pointer, length) {
    var dialog = document.getElementById('message');
    var before = document.activeElement;
    document.getElementById('message-text').textContent = quennarixPage.utf16(pointer, length);
    dialog.addEventListener('close', function() { quennarixPage.refocus(before); }, {once: true});
    dialog.showModal();
    document.getElementById('message-ok').focus();
  },
});
